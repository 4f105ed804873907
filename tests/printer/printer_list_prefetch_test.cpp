// The printer list read in advance: the first selection shows it, later
// ones read the spooler again, and a list nobody takes is still waited for.
#include "printer/printer_list_prefetch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "printer/printer_selection.h"
#include "tests/printer/fake_spooler.h"

namespace vx {
namespace {

using Names = std::vector<std::string>;

void addPrinters(FakeSpooler& spooler) {
    spooler.add("Front desk", "ZEL Vextora Basso")
        .add("Office laser", "Generic PCL Laser")
        .add("Wristbands", "ZEL Vextora Alto");
}

TEST(PrinterListPrefetchTest, FirstTakeGivesTheListLaterTakesReadAgain) {
    FakeSpooler spooler;
    addPrinters(spooler);
    PrinterListPrefetch prefetch(spooler);
    EXPECT_EQ(prefetch.take(), (Names{"Front desk", "Wristbands"}));
    // The worker is done once its list is taken; the spooler changes.
    spooler.printer("Front desk").queueStatus = kPrinterStatusUserIntervention;
    spooler.add("Kitchen", "ZEL Vextora Corda");
    EXPECT_EQ(prefetch.take(), (Names{"Wristbands", "Kitchen"}));
}

TEST(PrinterListPrefetchTest, AListNobodyTakesIsWaitedForOnDestruction) {
    FakeSpooler spooler;
    addPrinters(spooler);
    { PrinterListPrefetch prefetch(spooler); }
    // Both series printers' queues were read before the destructor returned;
    // the other maker's never.
    const std::vector<std::string>& log = spooler.log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "queue Front desk"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "queue Wristbands"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "queue Office laser"), 0);
}

TEST(PrinterListPrefetchTest, SelectionListsWhatItsServiceGivesWithoutAskingTheSpooler) {
    FakeSpooler spooler;
    addPrinters(spooler);
    PrinterSelectionServices services;
    services.listPrinters = [] { return Names{"Given"}; };
    PrinterSelection selection(spooler, services);
    EXPECT_TRUE(selection.initialise("Given"));
    EXPECT_EQ(selection.items(), Names{"Given"});
    EXPECT_EQ(selection.initialSelection(), 0u);
    EXPECT_TRUE(spooler.log().empty());
}

}  // namespace
}  // namespace vx
