#include "events/change_event.h"

#include "history/file_history.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_fields.h"

namespace vx {

namespace {

constexpr std::string_view kNone = "なし";

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string fontList(const std::vector<std::string>& fonts) {
    if (fonts.empty()) return std::string(kNone);
    std::string list;
    for (const std::string& font : fonts) list += (list.empty() ? "" : "、") + font;
    return list;
}

}  // namespace

std::vector<std::string> eventInserts(const ChangeEvent& event) {
    std::optional<long long> kept;
    if (event.keptVersion) kept = versionSequence(utf8(event.keptVersion->filename()));
    return {
        event.printer.empty() ? "（ファイルを指定）" : event.printer,
        utf8(event.file),
        shownOrUnknown(event.author.user),
        shownOrUnknown(event.author.computer),
        shownOrUnknown(event.author.program),
        event.fonts ? std::to_string(event.fonts->size()) : std::string(kUnknownAuthor),
        event.fonts ? fontList(*event.fonts) : std::string(kUnknownAuthor),
        kept ? std::to_string(*kept) : std::string(kNone),
        event.keptVersion ? utf8(*event.keptVersion) : std::string(kNone),
        event.restoredVersion ? utf8(*event.restoredVersion) : std::string(),
    };
}

std::string eventText(const ChangeEvent& event) {
    return renderEventText(eventMessage(event.kind).text, eventInserts(event));
}

std::vector<std::string> changedFonts(const SettingsStore& before, const SettingsStore& after) {
    std::vector<std::string> names;
    for (const FontDifferences& font : compareFontFields(before, after, {})) {
        names.push_back(utf8FromCp932(font.fontName));
    }
    return names;
}

std::vector<std::string> changedFonts(std::string_view before, std::string_view after) {
    SettingsStore a, b;
    loadDriverFontFile(IniDocument(std::string(before)), a);
    loadDriverFontFile(IniDocument(std::string(after)), b);
    return changedFonts(a, b);
}

}  // namespace vx
