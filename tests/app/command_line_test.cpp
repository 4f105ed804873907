#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

struct SwitchCase {
    const char* commandLine;
    StartupSwitch expected;
};

TEST(StartupSwitchTest, RecognisesSwitchesAsTheToolDoes) {
    const SwitchCase cases[] = {
        {"VXDrvFontTool.exe", StartupSwitch::None},
        {"VXDrvFontTool.exe /RegServer", StartupSwitch::RegServer},
        {"VXDrvFontTool.exe -regserver", StartupSwitch::RegServer},
        {"VXDrvFontTool.exe /UNREGSERVER", StartupSwitch::UnregServer},
        // The registration switches must end the command line.
        {"VXDrvFontTool.exe /RegServer extra", StartupSwitch::None},
        {"VXDrvFontTool.exe /RegServerX", StartupSwitch::None},
        {"VXDrvFontTool.exe /Embedding", StartupSwitch::Embedding},
        {"VXDrvFontTool.exe -automation", StartupSwitch::Embedding},
        {"VXDrvFontTool.exe /Embedding more", StartupSwitch::Embedding},
        {"VXDrvFontTool.exe Embedding", StartupSwitch::None},
        // A path with "-" or "/" in it triggers nothing by itself.
        {"\"C:/tools/font-tool/VXDrvFontTool.exe\"", StartupSwitch::None},
        {"C:/x-/RegServer/VXDrvFontTool.exe", StartupSwitch::None},
        {"\"C:\\Program Files\\a-b\\VXDrvFontTool.exe\" /regserver", StartupSwitch::RegServer},
    };
    for (const SwitchCase& c : cases) {
        EXPECT_EQ(parseStartupSwitch(c.commandLine), c.expected) << c.commandLine;
    }
}

// The window's `--history DIR`, read as dvftool reads it.
TEST(HistoryFolderOptionTest, NamesOneFolderOrIsFaulty) {
    struct Case {
        const char* commandLine;
        std::optional<std::string> folder;
        bool faulty;
    };
    const Case cases[] = {
        {"VXDrvFontTool.exe", std::nullopt, false},
        {"VXDrvFontTool.exe --history C:\\hist", "C:\\hist", false},
        {"\"C:\\Program Files\\VXDrvFontTool.exe\" --history \"C:\\users\\a b\\history\"",
         "C:\\users\\a b\\history", false},
        // Other arguments are passed over, as before.
        {"VXDrvFontTool.exe other --history D:\\h more", "D:\\h", false},
        {"VXDrvFontTool.exe --History D:\\h", std::nullopt, false},
        {"VXDrvFontTool.exe --history", std::nullopt, true},
        {"VXDrvFontTool.exe --history \"\"", std::nullopt, true},
        {"VXDrvFontTool.exe --history a --history b", std::nullopt, true},
        // The program's own path is not read as an option.
        {"--history", std::nullopt, false},
    };
    for (const Case& c : cases) {
        const HistoryFolderOption option = historyFolderOption(c.commandLine);
        EXPECT_EQ(option.folder, c.folder) << c.commandLine;
        EXPECT_EQ(option.faulty, c.faulty) << c.commandLine;
    }
}

TEST(ApplicationNameTest, IsTheExecutableBaseName) {
    EXPECT_EQ(applicationName("C:\\Windows\\x\\VXDrvFontTool.exe"), "VXDrvFontTool");
    EXPECT_EQ(applicationName("C:/a.b/Copy of tool.exe"), "Copy of tool");
    EXPECT_EQ(applicationName("tool"), "tool");
}

}  // namespace
}  // namespace vx
