// What the printer selection lists, which item it selects first, and what
// OK and a double-click do.
#include "printer/printer_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/printer/fake_spooler.h"

namespace vx {
namespace {

using Names = std::vector<std::string>;

struct Recorder {
    std::vector<std::string> events;
    PrinterSelectionServices services() {
        return {[this](std::string_view text) { events.push_back("warn " + std::string(text)); },
                [this](int status) { events.push_back("end " + std::to_string(status)); },
                {}};
    }
};

const std::string kNoPrinter =
    "warn 利用可能なプリンタドライバがありません。\nツールを終了します。";
const std::string kNoSelection =
    "warn プリンタドライバが選択されていません。\nプリンタドライバを選択してください。";

struct Fixture {
    FakeSpooler spooler;
    Recorder recorder;
    PrinterSelection selection{spooler, recorder.services()};
    Fixture() {
        spooler.add("Front desk", "ZEL Vextora Basso")
            .add("Office laser", "Generic PCL Laser")
            .add("Wristbands", "ZEL Vextora Alto")
            .add("Jammed", "ZEL Vextora Corda", kPrinterStatusUserIntervention);
    }
};

TEST(PrinterSelectionTest, ListsTheSelectablePrinters) {
    Fixture f;
    EXPECT_TRUE(f.selection.initialise(""));
    EXPECT_EQ(f.selection.items(), (Names{"Front desk", "Wristbands"}));
    EXPECT_TRUE(f.recorder.events.empty());
}

TEST(PrinterSelectionTest, SelectsTheCurrentPrinterWhenShownAgain) {
    struct Case {
        std::string current;
        std::optional<std::size_t> expected;
    };
    for (const Case& c : {Case{"", std::nullopt}, Case{"Wristbands", 1u}, Case{"Front desk", 0u},
                          Case{"front desk", std::nullopt}, Case{"Front", std::nullopt},
                          Case{"Jammed", std::nullopt}, Case{"Office laser", std::nullopt},
                          // The driver's name is not the printer's.
                          Case{"ZEL Vextora Alto", std::nullopt}}) {
        Fixture f;
        f.selection.initialise(c.current);
        EXPECT_EQ(f.selection.initialSelection(), c.expected) << c.current;
    }
}

TEST(PrinterSelectionTest, NoPrinterWarnsThenEndsTheProcessWithStatus1) {
    struct Case {
        const char* description;
        void (*prepare)(FakeSpooler&);
    };
    for (const Case& c :
         {Case{"no printers", [](FakeSpooler&) {}},
          Case{"only other makers", [](FakeSpooler& s) { s.add("Laser", "Generic PCL Laser"); }},
          Case{"series only with intervention",
               [](FakeSpooler& s) {
                   s.add("Jammed", "ZEL Vextora Alto", kPrinterStatusUserIntervention);
               }},
          Case{"enumeration fails", [](FakeSpooler& s) {
                   s.add("Label", "ZEL Vextora Alto");
                   s.setEnumerationFails(true);
               }}}) {
        FakeSpooler spooler;
        c.prepare(spooler);
        Recorder recorder;
        PrinterSelection selection(spooler, recorder.services());
        EXPECT_FALSE(selection.initialise("Label")) << c.description;
        EXPECT_EQ(recorder.events, (Names{kNoPrinter, "end 1"})) << c.description;
        EXPECT_TRUE(selection.items().empty());
    }
}

TEST(PrinterSelectionTest, OkWithoutSelectionWarnsAndChoosesNothing) {
    Fixture f;
    f.selection.initialise("");
    EXPECT_EQ(f.selection.confirm(std::nullopt), std::nullopt);
    EXPECT_EQ(f.selection.confirm(7), std::nullopt);  // beyond the list
    EXPECT_EQ(f.recorder.events, (Names{kNoSelection, kNoSelection}));
}

TEST(PrinterSelectionTest, OkChoosesTheSelectedPrintersName) {
    Fixture f;
    f.selection.initialise("Front desk");
    EXPECT_EQ(f.selection.confirm(1), "Wristbands");
    EXPECT_EQ(f.selection.confirm(0), "Front desk");
    EXPECT_TRUE(f.recorder.events.empty());
}

TEST(PrinterSelectionTest, DoubleClickOnAnItemActsAsOkAndOnEmptySpaceDoesNothing) {
    Fixture f;
    f.selection.initialise("");
    EXPECT_EQ(f.selection.activate(0), "Front desk");
    EXPECT_EQ(f.selection.activate(std::nullopt), std::nullopt);
    EXPECT_TRUE(f.recorder.events.empty());  // no warning on empty space
}

TEST(PrinterSelectionTest, ShownAgainListsTheSpoolersPresentState) {
    Fixture f;
    f.selection.initialise("");
    f.spooler.add("Second Alto", "ZEL Vextora Alto");
    f.spooler.printer("Jammed").status = 0;
    f.selection.initialise("Jammed");
    EXPECT_EQ(f.selection.items(), (Names{"Front desk", "Wristbands", "Jammed", "Second Alto"}));
    EXPECT_EQ(f.selection.initialSelection(), 2u);
}

}  // namespace
}  // namespace vx
