// dvftool with printers named instead of files, against an in-memory
// spooler: the printer's file is the one the window would open, refused
// printers give the window's message and their own exit status, and
// printers lists what the window's selection lists.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/cli/dvftool_run.h"
#include "tests/printer/fake_spooler.h"
#include "tests/settings/test_support.h"

namespace vx::test {
namespace {

class DvfToolPrinter : public testing::Test {
protected:
    DvfToolPrinter() {
        environment.set("SystemRoot", systemRoot).set("PROCESSOR_ARCHITECTURE", "AMD64");
        spooler.add("Label printer", "ZEL Vextora Alto")
            .add("Office laser", "Norvik LB-5200 PCL6")
            .add("病棟リストバンド 3F", cp932("ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL"))
            .add("Out of paper", "ZEL Vextora Basso", kPrinterStatusUserIntervention)
            .add("新リストバンド", cp932("ZEL Vextora Alto 新ﾘｽﾄﾊﾞﾝﾄﾞ"))
            .add("Corda", "ZEL Vextora Corda")
            .add(FakePrinter{.name = "Closed", .driverName = "ZEL Vextora Alto", .openFails = true})
            .add(FakePrinter{.name = "Mute", .driverName = "ZEL Vextora Alto", .infoFails = true});
        place("ALTOD.DVF", "all_families.dvf");
        place("ALTOLD.DVF", "only_dvf_section.dvf");
        place("BASSD.DVF", "only_dvf_section.dvf");
    }

    // The file where the window looks for a driver's file (UTF-8).
    std::string driverFile(std::string_view name) const {
        return systemRoot + "\\system32\\spool\\drivers\\x64\\3\\" + std::string(name);
    }
    void place(std::string_view name, std::string_view golden) const {
        const std::filesystem::path path = pathFromUtf8(driverFile(name));
        std::filesystem::create_directories(path.parent_path());
        std::filesystem::copy_file(dataFile(golden), path);
    }
    ToolRun run(const Strings& args) { return dvftool(args, {}, &spooler, &environment); }

    ScratchDir dir;
    const std::string systemRoot = utf8(dir.path()) + "\\ルート";
    FakeSpooler spooler;
    FakeEnvironment environment;
};

TEST_F(DvfToolPrinter, APrinterStandsForItsDriverFontFile) {
    EXPECT_EQ(run({"check", "--printer", "病棟リストバンド 3F"}).out, "ok\n");
    EXPECT_EQ(run({"dump", "--printer", "Label printer"}).out,
              run({"dump", driverFile("ALTOD.DVF")}).out);
    // A printer that waits for its user is not offered, but its file is found.
    EXPECT_EQ(run({"check", "--printer", "Out of paper"}).exit, kExitDone);

    ASSERT_EQ(run({"copy", "--from-printer", "Label printer", "--printer", "病棟リストバンド 3F",
                   "ZEL文字フォント01"})
                  .exit,
              kExitDone);
    const ToolRun diff = run(
        {"diff", driverFile("ALTOD.DVF"), "--printer", "病棟リストバンド 3F", "ZEL文字フォント01"});
    EXPECT_EQ(diff.exit, kExitDone) << diff.out;
    ASSERT_EQ(
        run({"set", "--printer", "病棟リストバンド 3F", "ZEL文字フォント01", "originX=0999"}).exit,
        kExitDone);
    EXPECT_NE(readBytes(pathFromUtf8(driverFile("ALTOLD.DVF"))).find("=0999"), std::string::npos);
    EXPECT_EQ(spooler.openHandles(), 0);
}

TEST_F(DvfToolPrinter, RefusedPrintersSayWhyAndChangeNothing) {
    struct Case {
        const char* printer;
        int exit;
        const char* line;  // up to the file's path, if any
    };
    const Case cases[] = {
        {"Office laser", kExitPrinter,
         "dvftool: Office laser: このシリーズのプリンタではありません（ドライバ "},
        {"Nobody", kExitPrinter, "dvftool: Nobody: プリンタを開けません。\n"},
        {"Closed", kExitPrinter, "dvftool: Closed: プリンタを開けません。\n"},
        {"Mute", kExitPrinter, "dvftool: Mute: プリンタの情報を読み込めません。\n"},
        {"新リストバンド", kExitUnreadable, "dvftool: 新リストバンド: 設定ファイルがありません"},
        {"Corda", kExitUnreadable, "dvftool: Corda: 設定ファイルがありません（"},
    };
    const std::string before = readBytes(pathFromUtf8(driverFile("ALTOD.DVF")));
    for (const Case& c : cases) {
        for (const Strings& args :
             {Strings{"save", "--printer", c.printer},
              Strings{"copy", driverFile("ALTOD.DVF"), "--printer", c.printer},
              Strings{"copy", "--from-printer", c.printer, driverFile("ALTOD.DVF")}}) {
            const ToolRun result = run(args);
            EXPECT_EQ(result.exit, c.exit) << c.printer;
            EXPECT_EQ(result.out, "") << c.printer;
            EXPECT_TRUE(result.err.starts_with(c.line)) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
    }
    EXPECT_NE(run({"check", "--printer", "Corda"}).err.find(driverFile("CORDD.DVF")),
              std::string::npos);
    EXPECT_EQ(readBytes(pathFromUtf8(driverFile("ALTOD.DVF"))), before);
    EXPECT_EQ(spooler.openHandles(), 0);
}

TEST_F(DvfToolPrinter, PrintersListsWhatTheSelectionLists) {
    const ToolRun text = run({"printers"});
    EXPECT_EQ(text.exit, kExitDone);
    EXPECT_EQ(tabLines(text.out),
              (std::vector<Strings>{
                  {"Label printer", "ZEL Vextora Alto", driverFile("ALTOD.DVF")},
                  {"病棟リストバンド 3F", "ZEL Vextora Alto ﾘｽﾄﾊﾞﾝﾄﾞL", driverFile("ALTOLD.DVF")},
                  {"新リストバンド", "ZEL Vextora Alto 新ﾘｽﾄﾊﾞﾝﾄﾞ", ""},
                  {"Corda", "ZEL Vextora Corda", ""},
                  {"Closed", "ZEL Vextora Alto", ""},
                  {"Mute", "ZEL Vextora Alto", ""},
              }));
    const ToolRun json = run({"printers", "--json"});
    EXPECT_EQ(json.exit, kExitDone);
    EXPECT_NE(
        json.out.find("\"printer\": \"病棟リストバンド 3F\",\n    \"driver\": \"ZEL Vextora Alto "
                      "ﾘｽﾄﾊﾞﾝﾄﾞL\",\n    \"file\": \""),
        std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"printer\": \"Corda\",\n    \"driver\": \"ZEL Vextora Corda\",\n"
                            "    \"file\": null"),
              std::string::npos);

    FakeSpooler none;
    const ToolRun empty = dvftool({"printers"}, {}, &none, &environment);
    EXPECT_EQ(empty.exit, kExitDone);
    EXPECT_EQ(empty.out, "");
    EXPECT_NE(empty.err.find("利用可能なプリンタドライバがありません。"), std::string::npos);
    spooler.setEnumerationFails(true);
    EXPECT_EQ(run({"printers"}).exit, kExitPrinter);
}

TEST_F(DvfToolPrinter, HistoryAndRestoreNameThePrintersFile) {
    const std::string file = driverFile("ALTOD.DVF"), history = utf8(dir.path() / "history");
    const std::string original = readBytes(pathFromUtf8(file));
    ASSERT_EQ(run({"set", "--printer", "Label printer", "ZEL文字フォント01", "originX=0999",
                   "--history", history})
                  .exit,
              kExitDone);
    EXPECT_EQ(run({"history", "--printer", "Label printer", "--history", history}).out,
              run({"history", file, "--history", history}).out);
    ASSERT_EQ(run({"restore", "--printer", "Label printer", "1", "--history", history}).exit,
              kExitDone);
    EXPECT_EQ(readBytes(pathFromUtf8(file)), original);
}

}  // namespace
}  // namespace vx::test
