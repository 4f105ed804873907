// The main of every test program. Beyond GoogleTest's own main, a test that
// passes without having evaluated a single assertion fails, and so does a
// run in which no test ran (an empty program, a filter that matches
// nothing): either would otherwise count as passed while checking nothing.
// Skipped tests stay skipped; they are reported as such, not as passed.
#include <cstdio>

#include "tests/support/counted_assertions.h"

namespace vx::test {
namespace {

class EveryTestChecks : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override { atStart_ = assertionsEvaluated.load(); }

    // Runs before GoogleTest's own listeners hear of the test's end (they
    // hear of ends in reverse order), so the failure is printed and written
    // to the XML report as the test's own.
    void OnTestEnd(const testing::TestInfo& test) override {
        const testing::TestResult& result = *test.result();
        if (result.Failed() || result.Skipped() || assertionsEvaluated.load() != atStart_) return;
        ADD_FAILURE_AT(test.file(), test.line())
            << "The test passed without evaluating an assertion: it checks nothing.";
    }

private:
    unsigned long atStart_ = 0;
};

int runAllTests() {
    testing::UnitTest& tests = *testing::UnitTest::GetInstance();
    tests.listeners().Append(new EveryTestChecks);  // GoogleTest owns it
    const int status = RUN_ALL_TESTS();
    if (GTEST_FLAG_GET(list_tests)) return status;
    if (tests.test_to_run_count() == 0) {
        std::fprintf(stderr,
                     "No test ran (none matches the filter): a run that checks nothing "
                     "fails.\n");
        return 1;
    }
    return status;
}

}  // namespace
}  // namespace vx::test

#ifdef _WIN32
// The cross build links every program as a Unicode one (-municode), whose
// entry is wmain.
int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    return vx::test::runAllTests();
}
#else
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return vx::test::runAllTests();
}
#endif
