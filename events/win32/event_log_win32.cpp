// The Windows event log: each event goes to the Application log under the
// tool's event source, with the user's account. Where no source can be had
// or the log takes nothing (Wine keeps no event log), it goes nowhere and
// the save goes on.
#include <windows.h>

#include <vector>

#include "events/change_event.h"
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

// The process's account, for the event's user; empty when it cannot be read.
std::vector<unsigned char> processUser() {
    std::vector<unsigned char> buffer;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return buffer;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    buffer.resize(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        buffer.clear();
    }
    CloseHandle(token);
    return buffer;
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
        const std::vector<unsigned char> user = processUser();
        const PSID sid =
            user.empty() ? nullptr : reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
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
