// The count behind the rule that every test evaluates an assertion: each
// kind of assertion counts once, whether it holds or fails, and what checks
// nothing does not count.
#include "tests/support/counted_assertions.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace vx::test {
namespace {

unsigned long countOf(const std::function<void()>& statements) {
    const unsigned long before = assertionsEvaluated.load();
    statements();
    return assertionsEvaluated.load() - before;
}

void throwRuntimeError() { throw std::runtime_error("thrown"); }
void doNothing() {}
bool isEven(int n) { return n % 2 == 0; }

struct Case {
    const char* name;
    std::function<void()> statements;
    unsigned long expected;
};

TEST(CountedAssertions, EachAssertionCountsOnceWhetherItHoldsOrFails) {
    const Case cases[] = {
        {"EXPECT_TRUE", [] { EXPECT_TRUE(isEven(2)); }, 1},
        {"ASSERT_FALSE", [] { ASSERT_FALSE(isEven(3)); }, 1},
        {"EXPECT_EQ", [] { EXPECT_EQ(isEven(4), true); }, 1},
        {"ASSERT_LT", [] { ASSERT_LT(1, 2); }, 1},
        {"EXPECT_STREQ", [] { EXPECT_STREQ("a", std::string("a").c_str()); }, 1},
        {"EXPECT_NEAR", [] { EXPECT_NEAR(1.0, 1.05, 0.1); }, 1},
        {"EXPECT_PRED1", [] { EXPECT_PRED1(isEven, 6); }, 1},
        {"EXPECT_THROW", [] { EXPECT_THROW(throwRuntimeError(), std::runtime_error); }, 1},
        {"EXPECT_NO_THROW", [] { EXPECT_NO_THROW(doNothing()); }, 1},
        {"EXPECT_ANY_THROW", [] { EXPECT_ANY_THROW(throwRuntimeError()); }, 1},
        {"ASSERT_NO_FATAL_FAILURE", [] { ASSERT_NO_FATAL_FAILURE(doNothing()); }, 1},
        {"three in a loop",
         [] {
             for (int n = 0; n < 6; n += 2) EXPECT_TRUE(isEven(n));
         },
         3},
        {"a failing EXPECT_EQ",
         [] { EXPECT_NONFATAL_FAILURE(EXPECT_EQ(isEven(1), true), "isEven(1)"); }, 1},
        {"a failing EXPECT_THROW",
         [] { EXPECT_NONFATAL_FAILURE(EXPECT_THROW(doNothing(), std::exception), "nothing"); }, 1},
        {"a failing ASSERT_TRUE", [] { EXPECT_FATAL_FAILURE(ASSERT_TRUE(isEven(1)), ""); }, 1},
        {"SUCCEED", [] { SUCCEED(); }, 0},
        {"ADD_FAILURE", [] { EXPECT_NONFATAL_FAILURE(ADD_FAILURE() << "x", "x"); }, 0},
        {"a plain if",
         [] {
             if (!isEven(2)) doNothing();
         },
         0},
    };
    for (const Case& c : cases) EXPECT_EQ(countOf(c.statements), c.expected) << c.name;
}

}  // namespace
}  // namespace vx::test
