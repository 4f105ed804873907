// The test programs' main against tests run in a process of their own: a test
// that evaluates no assertion fails, in the output and in the XML report
// that the test command counts, and a run in which no test ran fails.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vx::test {
namespace {

struct ProbeRun {
    int status = -1;
    std::string output;
};

ProbeRun runProbe(const std::string& arguments) {
    ProbeRun run;
    const std::string command = std::string(VX_CHECK_PROBE) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t read = 0;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, read);
    const int waitStatus = pclose(pipe);
    if (WIFEXITED(waitStatus)) run.status = WEXITSTATUS(waitStatus);
    return run;
}

TEST(EveryTestChecks, ATestThatChecksPasses) {
    const ProbeRun run = runProbe("--gtest_filter=Probe.Checks");
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(EveryTestChecks, ATestThatChecksNothingFails) {
    for (const char* test : {"Probe.ChecksNothing", "Probe.ChecksOnlyInAPlainIf"}) {
        const ProbeRun run = runProbe(std::string("--gtest_filter=") + test);
        EXPECT_NE(run.status, 0) << test;
        EXPECT_NE(run.output.find("without evaluating an assertion"), std::string::npos)
            << run.output;
        EXPECT_NE(run.output.find(std::string("[  FAILED  ] ") + test), std::string::npos)
            << run.output;
    }
}

TEST(EveryTestChecks, TheFailureIsInTheXmlReport) {
    const std::filesystem::path report =
        std::filesystem::path(testing::TempDir()) / "vx_check_probe_report.xml";
    std::filesystem::remove(report);
    runProbe("--gtest_filter=Probe.Check* --gtest_output=xml:" + report.string());
    std::ifstream in(report);
    const std::string xml{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(xml.find("tests=\"3\" failures=\"2\""), std::string::npos) << xml;
    EXPECT_NE(xml.find("without evaluating an assertion"), std::string::npos) << xml;
    std::filesystem::remove(report);
}

TEST(EveryTestChecks, ASkippedTestIsReportedAsSkippedNotFailed) {
    const ProbeRun run = runProbe("--gtest_filter=Probe.Skips");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[  SKIPPED ] Probe.Skips"), std::string::npos) << run.output;
}

TEST(EveryTestChecks, ARunInWhichNoTestRanFails) {
    const ProbeRun run = runProbe("--gtest_filter=NoSuchTest.*");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.output.find("No test ran"), std::string::npos) << run.output;
}

TEST(EveryTestChecks, ListingTheTestsRunsNoneAndSucceeds) {
    const ProbeRun run = runProbe("--gtest_list_tests");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("ChecksNothing"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace vx::test
