// The Windows event log: each event goes to the Application log under the
// tool's event source, with the user's account. Where no source can be had
// or the log takes nothing (Wine keeps no event log), it goes nowhere and
// the save goes on.
#include <windows.h>

#include <vector>

#include "events/change_event.h"
#include "history/win32/process_account_win32.h"
#include "settings/codepage.h"

namespace vx {

namespace {

WORD eventType(EventLevel level) {
    switch (level) {
        case EventLevel::Information:
            return EVENTLOG_INFORMATION_TYPE;
        case EventLevel::Warning:
            return EVENTLOG_WARNING_TYPE;
        case EventLevel::Error:
            return EVENTLOG_ERROR_TYPE;
    }
    return EVENTLOG_INFORMATION_TYPE;
}

class EventLog final : public EventWriter {
public:
    void write(const ChangeEvent& event) override {
        const std::u16string source = utf16FromUtf8(kEventSource);
        HANDLE log = RegisterEventSourceW(nullptr, reinterpret_cast<LPCWSTR>(source.c_str()));
        if (log == nullptr) return;
        std::vector<std::u16string> inserts;
        for (const std::string& insert : eventInserts(event)) {
            inserts.push_back(utf16FromUtf8(insert));
        }
        std::vector<LPCWSTR> strings;
        for (const std::u16string& insert : inserts) {
            strings.push_back(reinterpret_cast<LPCWSTR>(insert.c_str()));
        }
        // The event's user: the account that saved.
        const std::vector<unsigned char> user = processTokenUser();
        const PSID sid = processSid(user);
        const EventMessage& message = eventMessage(event.kind);
        ReportEventW(log, eventType(message.level), 0, message.id, sid,
                     static_cast<WORD>(strings.size()), 0, strings.data(), nullptr);
        DeregisterEventSource(log);
    }
};

}  // namespace

EventWriter& platformEventWriter() {
    static EventLog writer;
    return writer;
}

}  // namespace vx
