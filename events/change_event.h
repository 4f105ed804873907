// One event of a save or restore: what the event log is told, and the
// writer that tells it. The window and dvftool make the same events.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "events/event_messages.h"
#include "history/version_record.h"
#include "settings/settings_store.h"

namespace vx {

struct ChangeEvent {
    ChangeEventKind kind = ChangeEventKind::Saved;
    std::string printer;  // UTF-8; empty when the file was named by its path
    std::filesystem::path file;
    ChangeAuthor author;
    // The fonts the save changed (or would have changed), UTF-8, in font
    // order; nullopt when not known (the file could not be read).
    std::optional<std::vector<std::string>> fonts;
    std::optional<std::filesystem::path> keptVersion;      // the version the save kept
    std::optional<std::filesystem::path> restoredVersion;  // the version put back
};

// The event's insertion strings, in the order of event_messages.h.
std::vector<std::string> eventInserts(const ChangeEvent& event);
// The event's text as Event Viewer shows it.
std::string eventText(const ChangeEvent& event);

// The names (UTF-8) of the fonts whose fields differ between two settings,
// by the comparison the history shows.
std::vector<std::string> changedFonts(const SettingsStore& before, const SettingsStore& after);
// The same between two driver font files' bytes.
std::vector<std::string> changedFonts(std::string_view before, std::string_view after);

// Where the events go: on Windows the event log; elsewhere (and under Wine,
// which keeps no event log) nowhere. Writing never fails a save.
class EventWriter {
public:
    virtual ~EventWriter() = default;
    virtual void write(const ChangeEvent& event) = 0;
};

// The platform's writer, shared by the whole program.
EventWriter& platformEventWriter();

}  // namespace vx
