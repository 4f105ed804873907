// On Windows (here under Wine): the message table linked into the program
// gives Windows' own formatting the same texts as the events' portable
// rendering; who saves is the account the process runs as. (That the event
// log under Wine takes the events without failing a save, the dvftool
// processes' tests show.)
#include <gtest/gtest.h>
#include <windows.h>

#include "events/change_event.h"
#include "settings/codepage.h"

namespace vx {
namespace {

std::string formatted(DWORD id, const std::vector<std::u16string>& inserts) {
    std::vector<DWORD_PTR> arguments;
    for (const std::u16string& insert : inserts) {
        arguments.push_back(reinterpret_cast<DWORD_PTR>(insert.c_str()));
    }
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_ALLOCATE_BUFFER |
                           FORMAT_MESSAGE_ARGUMENT_ARRAY,
                       GetModuleHandleW(nullptr), id, 0, reinterpret_cast<LPWSTR>(&text), 0,
                       reinterpret_cast<va_list*>(arguments.data()));
    if (length == 0) return "<error " + std::to_string(GetLastError()) + ">";
    std::string result = utf8FromUtf16(reinterpret_cast<const char16_t*>(text));
    LocalFree(text);
    return result;
}

TEST(EventLogWindows, WindowsFormatsTheProgramsMessagesAsTheEventsRenderThem) {
    ChangeEvent event;
    event.printer = "病棟リストバンド 3F";
    event.file = L"C:\\Windows\\System32\\spool\\drivers\\x64\\3\\ALTOD.DVF";
    event.author = {"BYOIN\\田中", "NS-3F-PC01", "dvftool 4.0.0"};
    event.fonts = {{"ZELバーコード03"}};
    event.keptVersion = L"C:\\h\\00000012_2024-05-01_10-30-00.dvf";
    event.restoredVersion = L"C:\\h\\00000003_2024-04-01_10-30-00.dvf";
    std::vector<std::u16string> inserts;
    for (const std::string& insert : eventInserts(event)) inserts.push_back(utf16FromUtf8(insert));
    for (const EventMessage& message : eventMessages()) {
        SCOPED_TRACE(message.id);
        event.kind = message.kind;
        std::string expected;
        for (const char c : eventText(event)) {
            expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        EXPECT_EQ(formatted(message.id, inserts), expected);
    }
}

TEST(EventLogWindows, WhoSavesIsTheProcesssAccountAndComputer) {
    const ChangeAuthor author = currentAuthor("VXDrvFontTool 4.0.0");
    wchar_t name[256];
    DWORD size = 256;
    ASSERT_TRUE(GetUserNameW(name, &size));
    const std::string user = utf8FromUtf16(reinterpret_cast<const char16_t*>(name));
    // DOMAIN\name: the account's domain (here the computer) before its name.
    const std::size_t backslash = author.user.find('\\');
    ASSERT_NE(backslash, std::string::npos) << author.user;
    EXPECT_GT(backslash, 0u);
    EXPECT_EQ(author.user.substr(backslash + 1), user);
    size = 256;
    ASSERT_TRUE(GetComputerNameW(name, &size));
    const std::string netbios = utf8FromUtf16(reinterpret_cast<const char16_t*>(name));
    // The computer's own name; its short name is that in capitals, cut at 15.
    std::string shortName = author.computer.substr(0, 15);
    for (char& c : shortName) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    EXPECT_EQ(shortName, netbios);
    EXPECT_EQ(author.program, "VXDrvFontTool 4.0.0");
}

}  // namespace
}  // namespace vx
