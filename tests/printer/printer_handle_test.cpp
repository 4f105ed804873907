// An opened printer is closed exactly once, however its handle moves.
#include <gtest/gtest.h>

#include <utility>

#include "tests/printer/fake_spooler.h"

namespace vx {
namespace {

TEST(PrinterHandleTest, ClosesWhenItGoesOutOfScope) {
    FakeSpooler spooler;
    spooler.add("Label", "ZEL Vextora Alto");
    {
        PrinterHandle printer = PrinterHandle::open(spooler, "Label");
        ASSERT_TRUE(printer);
        EXPECT_EQ(spooler.openHandles(), 1);
    }
    EXPECT_EQ(spooler.openHandles(), 0);
    EXPECT_EQ(spooler.closes(), 1);
}

TEST(PrinterHandleTest, ExplicitCloseReportsAndIsNotRepeated) {
    FakeSpooler spooler;
    FakePrinter failing{"Failing", "ZEL Vextora Alto"};
    failing.closeFails = true;
    spooler.add("Label", "ZEL Vextora Alto").add(failing);
    {
        PrinterHandle printer = PrinterHandle::open(spooler, "Label");
        EXPECT_TRUE(printer.close());
        EXPECT_FALSE(printer);
        EXPECT_FALSE(printer.close());
        EXPECT_EQ(printer.info(), std::nullopt);
        PrinterHandle other = PrinterHandle::open(spooler, "Failing");
        EXPECT_FALSE(other.close());
    }
    // The fake throws on a second close of one handle; two closes in all.
    EXPECT_EQ(spooler.closes(), 2);
}

TEST(PrinterHandleTest, MovingHandsTheHandleOverWithoutClosing) {
    FakeSpooler spooler;
    spooler.add("A", "ZEL Vextora Alto");
    {
        PrinterHandle a = PrinterHandle::open(spooler, "A");
        PrinterHandle moved(std::move(a));
        EXPECT_FALSE(a);  // NOLINT(bugprone-use-after-move): the moved-from state is empty
        EXPECT_EQ(spooler.closes(), 0);
        EXPECT_EQ(moved.info()->driverName, "ZEL Vextora Alto");
    }
    EXPECT_EQ(spooler.closes(), 1);  // the fake throws on a second close
}

TEST(PrinterHandleTest, FailedOpenIsEmptyAndClosesNothing) {
    FakeSpooler spooler;
    {
        PrinterHandle printer = PrinterHandle::open(spooler, "Nobody");
        EXPECT_FALSE(printer);
        EXPECT_EQ(printer.info(), std::nullopt);
    }
    EXPECT_EQ(spooler.closes(), 0);
    EXPECT_EQ(spooler.log(), std::vector<std::string>{"open-failed Nobody"});
}

}  // namespace
}  // namespace vx
