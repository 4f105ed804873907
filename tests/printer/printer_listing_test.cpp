// Which installed printers can be chosen: the series test on driver names
// and the user-intervention test on the status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printer/printer_binding.h"
#include "tests/printer/fake_spooler.h"

namespace vx {
namespace {

using Names = std::vector<std::string>;

// Code page 932 bytes of the half-width katakana word used by the variants.
const std::string kWristband = "\xD8\xBD\xC4\xCA\xDE\xDD\xC4\xDE";
// "新" in code page 932.
const std::string kNew = "\x90\x56";
// "テスト" and "セ" in code page 932; the trail byte of "セ" is 'Z' (0x5A).
const std::string kTest = "\x83\x65\x83\x58\x83\x67";
const std::string kSe = "\x83\x5A";

struct SeriesCase {
    std::string driverName;
    bool series;
};

class PrinterSeriesTest : public testing::TestWithParam<SeriesCase> {};

TEST_P(PrinterSeriesTest, AcceptsDriversContainingAModelName) {
    EXPECT_EQ(isSeriesDriver(GetParam().driverName), GetParam().series) << GetParam().driverName;
}

INSTANTIATE_TEST_SUITE_P(
    DriverNames, PrinterSeriesTest,
    testing::Values(SeriesCase{"ZEL Vextora Alto", true}, SeriesCase{"ZEL Vextora Basso", true},
                    SeriesCase{"ZEL Vextora Corda", true},
                    SeriesCase{"ZEL Vextora Alto " + kWristband + "(Flex)", true},
                    SeriesCase{"ZEL Vextora Alto " + kWristband + "L", true},
                    SeriesCase{"ZEL Vextora Alto " + kNew + kWristband, true},
                    SeriesCase{"ZEL Vextora Basso " + kWristband + "(Flex)", true},
                    SeriesCase{"ZEL Vextora Basso " + kWristband + "L", true},
                    SeriesCase{"ZEL Vextora Basso " + kNew + kWristband, true},
                    SeriesCase{"Copy of ZEL Vextora Basso", true},
                    SeriesCase{"ZEL Vextora Alto (copy)", true},
                    SeriesCase{kTest + "ZEL Vextora Corda", true},
                    // Not the series.
                    SeriesCase{"", false}, SeriesCase{"Generic / Text Only", false},
                    SeriesCase{"ZEL Vextora", false}, SeriesCase{"ZEL Vextora Sopra", false},
                    SeriesCase{"zel vextora alto", false}, SeriesCase{"ZEL VEXTORA BASSO", false},
                    SeriesCase{"ZEL  Vextora Corda", false}, SeriesCase{"ZEL Vextora Alt", false},
                    // "ZEL Vextora Alto" appears in the bytes only because
                    // the trail byte of "セ" is 'Z'.
                    SeriesCase{kTest + kSe + "EL Vextora Alto", false}));

TEST(PrinterListingTest, ListsSeriesPrintersByNameInEnumerationOrder) {
    FakeSpooler spooler;
    spooler.add("Shipping labels", "ZEL Vextora Corda")
        .add("Office laser", "Generic PCL Laser")  // another maker: never
        .add("Label B", "ZEL Vextora Alto")
        .add("Label A", "ZEL Vextora Alto")                // two printers on one driver: two items
        .add("Copy printer", "Copy of ZEL Vextora Basso")  // contains a model name
        .add("Jammed", "ZEL Vextora Basso", kPrinterStatusUserIntervention)  // needs the user
        .add("New wristbands", "ZEL Vextora Alto " + kNew + kWristband)
        .add("Other maker", "Acme Thermal 4000");
    EXPECT_EQ(listSelectablePrinters(spooler),
              (Names{"Shipping labels", "Label B", "Label A", "Copy printer", "New wristbands"}));
    EXPECT_EQ(spooler.opens(), 0);  // the list needs no printer opened
}

struct StatusCase {
    std::uint32_t status;
    bool listed;
};

class PrinterStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(PrinterStatusTest, OnlyTheUserInterventionBitHidesAPrinter) {
    FakeSpooler spooler;
    spooler.add("Label", "ZEL Vextora Alto", GetParam().status);
    EXPECT_EQ(listSelectablePrinters(spooler).size(), GetParam().listed ? 1u : 0u)
        << std::hex << GetParam().status;
}

INSTANTIATE_TEST_SUITE_P(Statuses, PrinterStatusTest,
                         testing::Values(StatusCase{0x00000000, true},
                                         StatusCase{0x00000001, true},  // paused
                                         StatusCase{0x00000002, true},  // error
                                         StatusCase{0x00000080, true},  // offline
                                         StatusCase{0x00080000, true},  // out of memory
                                         StatusCase{0x00200000, true},  // power save
                                         StatusCase{0x00100000, false},
                                         StatusCase{0x00100082, false},
                                         StatusCase{0xFFFFFFFF, false}));

TEST(PrinterListingTest, FailedEnumerationListsNothing) {
    FakeSpooler spooler;
    spooler.add("Label", "ZEL Vextora Alto");
    spooler.setEnumerationFails(true);
    EXPECT_TRUE(listSelectablePrinters(spooler).empty());
}

FakePrinter printerWithQueueStatus(std::string name, std::string driver, std::uint32_t enumerated,
                                   std::uint32_t queue) {
    FakePrinter printer;
    printer.name = std::move(name);
    printer.driverName = std::move(driver);
    printer.status = enumerated;
    printer.queueStatus = queue;
    return printer;
}

// Opening a printer to read its queue is slow: it is done only for series
// printers whose enumerated status says nothing, and still hides one whose
// queue asks for the user.
TEST(PrinterListingTest, ReadsTheQueueOnlyOfSeriesPrintersWithoutAnEnumeratedStatus) {
    constexpr std::uint32_t kIntervention = kPrinterStatusUserIntervention;
    FakeSpooler spooler;
    spooler.add(printerWithQueueStatus("Office", "Acme Thermal 4000", 0, kIntervention))
        .add(printerWithQueueStatus("Jammed in queue", "ZEL Vextora Alto", 0, kIntervention))
        .add(printerWithQueueStatus("Paused", "ZEL Vextora Basso", 0x1, kIntervention))
        .add(printerWithQueueStatus("Jammed", "ZEL Vextora Corda", kIntervention, 0))
        .add(printerWithQueueStatus("Ready", "ZEL Vextora Corda", 0, 0x1));
    EXPECT_EQ(listSelectablePrinters(spooler), (Names{"Paused", "Ready"}));
    EXPECT_EQ(spooler.log(), (Names{"enumerate", "queue Jammed in queue", "queue Ready"}));
}

TEST(PrinterListingTest, NonAsciiPrinterNamesPassUnchanged) {
    FakeSpooler spooler;
    spooler.add("ラベルプリンタ 1階", "ZEL Vextora Corda");
    EXPECT_EQ(listSelectablePrinters(spooler), (Names{"ラベルプリンタ 1階"}));
}

}  // namespace
}  // namespace vx
