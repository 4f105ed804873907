// The texts of the events that saves and restores write to the Windows
// event log (the Application log, the tool's own event source): one row per
// event, with its number and level. The same rows make the message table
// that the programs carry (Event Viewer shows the texts from it) and the
// texts that the tests read, so that both say the same.
//
// Every event has the same insertion strings, in this order, so that a
// collecting script reads them by position whatever the event:
//   %1 printer, %2 file, %3 user, %4 computer, %5 program,
//   %6 number of fonts changed, %7 their names, %8 number of the version
//   kept, %9 its file, %10 the version put back (a restore).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The event source, registered by the installer under
// HKLM\SYSTEM\CurrentControlSet\Services\EventLog\Application.
inline constexpr std::string_view kEventSource = "VXDrvFontTool";

enum class EventLevel { Information, Warning, Error };

enum class ChangeEventKind {
    Saved,             // the file saved
    Restored,          // the file put back to an earlier version
    Busy,              // refused: another program held the file's lock
    ChangedMeanwhile,  // refused: someone else saved the file since it was loaded
    NotAccepted,       // refused: the file is not one that may be saved into
    Failed,            // the save failed; the file holds its old bytes
};

struct EventMessage {
    ChangeEventKind kind;
    std::uint16_t id;
    EventLevel level;
    std::string_view text;  // lines end in "\n"; %1 ... %10 the insertion strings
};

inline constexpr std::size_t kEventInsertCount = 10;

const std::vector<EventMessage>& eventMessages();
const EventMessage& eventMessage(ChangeEventKind kind);

// The text with its insertion strings put in, as Event Viewer shows it
// (lines end in "\n" here).
std::string renderEventText(std::string_view text, const std::vector<std::string>& inserts);

// The message table resource of the messages (a MESSAGE_RESOURCE_DATA,
// texts in UTF-16, lines ending in "\r\n").
std::string messageTableResource();

}  // namespace vx
