// dvftool against the spooler under Wine: printers that the test installs
// in the test prefix's registry, a driver font file in the prefix's real
// driver directory, and the process's real environment.
#include <gtest/gtest.h>

#include "printer/win32/system_environment_win32.h"
#include "printer/win32/winspool_spooler.h"
#include "tests/cli/dvftool_run.h"
#include "tests/printer/win32/registry_printers.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

std::string utf8(const std::wstring& wide) {
    return utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

class DvfToolSpooler : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(registry.add({wristband, L"ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL", 0, std::nullopt}));
        ASSERT_TRUE(registry.add({other, L"Norvik LB-5200 PCL6", 0, std::nullopt}));
        ASSERT_TRUE(registry.add({missing, L"ZEL Vextora Basso ﾘｽﾄﾊﾞﾝﾄﾞT", 0, std::nullopt}));
        const std::optional<std::string> directory = driverDirectory(environment);
        ASSERT_TRUE(directory);
        file = pathFromUtf8(*directory + "ALTOLD.DVF");
        ASSERT_FALSE(std::filesystem::exists(pathFromUtf8(*directory + "BASSTD.DVF")));
        std::filesystem::create_directories(file.parent_path());
        std::filesystem::copy_file(dataFile("only_dvf_section.dvf"), file,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    void TearDown() override { std::filesystem::remove(file); }

    ToolRun run(const Strings& args) { return dvftool(args, {}, &spooler, &environment); }

    RegistryPrinters registry;
    const std::wstring wristband = RegistryPrinters::uniqueName(L"病棟リストバンド 試験");
    const std::wstring other = RegistryPrinters::uniqueName(L"事務所 レーザー");
    const std::wstring missing = RegistryPrinters::uniqueName(L"VX Basso T");
    WinspoolSpooler spooler;
    Win32Environment environment;
    std::filesystem::path file;
};

TEST_F(DvfToolSpooler, CopiesIntoANamedPrinterAndConfirms) {
    ScratchDir dir;
    const auto reference = dir.copyOf("all_families.dvf");
    const ToolRun copy = run({"copy", test::utf8(reference), "--printer", utf8(wristband)});
    ASSERT_EQ(copy.exit, kExitDone) << copy.err;
    const ToolRun diff = run({"diff", test::utf8(reference), "--printer", utf8(wristband)});
    EXPECT_EQ(diff.exit, kExitDone) << diff.out << diff.err;
    EXPECT_EQ(run({"diff", "--from-printer", utf8(wristband), test::utf8(reference)}).exit,
              kExitDone);
}

TEST_F(DvfToolSpooler, ReportsANamedPrintersFileWithItsDriverAndRefusesAnother) {
    ScratchDir dir;
    const auto out = dir.path() / "sheet.html";
    const ToolRun report = run({"report", "--printer", utf8(wristband), "-o", test::utf8(out)});
    ASSERT_EQ(report.exit, kExitDone) << report.err;
    const std::string html = readBytes(out);
    EXPECT_NE(html.find("<td>" + utf8(wristband) + "</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL</td>"), std::string::npos);
    EXPECT_NE(html.find("ALTOLD.DVF</td>"), std::string::npos);
    const auto refused = dir.path() / "refused.html";
    EXPECT_EQ(run({"report", "--printer", utf8(other), "-o", test::utf8(refused)}).exit,
              kExitPrinter);
    EXPECT_FALSE(std::filesystem::exists(refused));
}

TEST_F(DvfToolSpooler, RefusesPrintersOfOtherMakersAndWithoutAFile) {
    const ToolRun foreign = run({"check", "--printer", utf8(other)});
    EXPECT_EQ(foreign.exit, kExitPrinter);
    EXPECT_TRUE(foreign.err.starts_with("dvftool: " + utf8(other) +
                                        ": このシリーズのプリンタではありません"))
        << foreign.err;
    const ToolRun absent = run({"check", "--printer", utf8(missing)});
    EXPECT_EQ(absent.exit, kExitUnreadable);
    EXPECT_NE(absent.err.find("\\spool\\drivers\\x64\\3\\BASSTD.DVF"), std::string::npos)
        << absent.err;
    EXPECT_EQ(run({"check", "--printer", "VX no such printer"}).exit, kExitPrinter);
}

TEST_F(DvfToolSpooler, PrintersListsTheSeriesWithDriverAndFile) {
    const ToolRun listed = run({"printers"});
    ASSERT_EQ(listed.exit, kExitDone) << listed.err;
    const std::vector<Strings> lines = tabLines(listed.out);
    auto row = [&](const std::wstring& name) -> Strings {
        for (const Strings& line : lines) {
            if (line[0] == utf8(name)) return line;
        }
        return {};
    };
    EXPECT_EQ(row(wristband),
              (Strings{utf8(wristband), "ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL",
                       "C:\\windows\\system32\\spool\\drivers\\x64\\3\\ALTOLD.DVF"}));
    EXPECT_EQ(row(missing), (Strings{utf8(missing), "ZEL Vextora Basso ﾘｽﾄﾊﾞﾝﾄﾞT", ""}));
    EXPECT_EQ(row(other), Strings{});
}

}  // namespace
}  // namespace vx::test
