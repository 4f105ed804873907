// Tests for every_test_checks_test.cpp to run in a process of their own: one
// that checks, one that checks nothing, one that skips. Not a test program of
// the suite (it fails on purpose).
#include <gtest/gtest.h>

namespace {

int answer() { return 42; }

TEST(Probe, Checks) { EXPECT_EQ(answer(), 42); }

TEST(Probe, ChecksNothing) { answer(); }

TEST(Probe, ChecksOnlyInAPlainIf) {
    if (answer() != 42) ADD_FAILURE() << "wrong answer";
}

TEST(Probe, Skips) { GTEST_SKIP() << "nothing to do here"; }

}  // namespace
