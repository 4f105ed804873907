// Every test program includes this header first (the build passes it with
// -include): GoogleTest, with each assertion it evaluates counted, so that
// the test program's main can fail a test that passed without checking
// anything (test_main.cpp).
//
// All of GoogleTest's assertions (EXPECT_*, ASSERT_*, the exception and
// fatal-failure checks, EXPECT_THAT, death tests) begin with the statement
// GTEST_AMBIGUOUS_ELSE_BLOCKER_; here it also counts. SUCCEED(), FAIL(),
// ADD_FAILURE() and GTEST_SKIP() do not begin with it and check nothing, so
// they do not count. GoogleTest's internal GTEST_CHECK_ begins with it too,
// so it is defined beforehand (as GoogleTest allows) without the count; the
// two forms of death test that check nothing (EXPECT_DEBUG_DEATH in a release
// build, a death test where the platform has none) are removed, so that a
// test using them does not compile rather than pass unchecked.
#pragma once

#include <atomic>

#define GTEST_CHECK_(condition)                     \
    switch (0)                                      \
    case 0:                                         \
    default:                                        \
        if (::testing::internal::IsTrue(condition)) \
            ;                                       \
        else                                        \
            GTEST_LOG_(FATAL) << "Condition " #condition " failed. "

#include <gtest/gtest.h>

namespace vx::test {

// Assertions evaluated so far in this process, in any thread.
inline std::atomic<unsigned long> assertionsEvaluated{0};

inline void countAssertion() { assertionsEvaluated.fetch_add(1, std::memory_order_relaxed); }

}  // namespace vx::test

#ifndef GTEST_AMBIGUOUS_ELSE_BLOCKER_
#error "GoogleTest no longer begins its assertions with GTEST_AMBIGUOUS_ELSE_BLOCKER_"
#endif
#undef GTEST_AMBIGUOUS_ELSE_BLOCKER_
#define GTEST_AMBIGUOUS_ELSE_BLOCKER_          \
    switch ((::vx::test::countAssertion(), 0)) \
    case 0:                                    \
    default:
#undef GTEST_EXECUTE_STATEMENT_
#undef GTEST_UNSUPPORTED_DEATH_TEST
