// A new file written so that it is whole before it has its name: it never
// replaces a file, takes the next name offered when one is taken, and
// leaves nothing under its temporary name when a step fails.
#include "settings/durable_write.h"

#include <gtest/gtest.h>

#include "tests/settings/recording_layer.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

TEST(WriteDurably, TakesTheFirstFreeNameAndReplacesNothing) {
    test::ScratchDir dir;
    dir.withBytes("v1", "taken");
    dir.withBytes("v2", "taken too");
    const auto names = [&](int attempt) {
        return dir.path() / ("v" + std::to_string(attempt + 1));
    };
    const DurableWrite written = writeDurably(platformFileLayer(), "bytes", names, 5);
    ASSERT_FALSE(written.error) << written.error.message();
    EXPECT_EQ(written.file, dir.path() / "v3");
    EXPECT_EQ(test::readBytes(dir.path() / "v1"), "taken");
    EXPECT_EQ(test::readBytes(dir.path() / "v3"), "bytes");
    Strings entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (Strings{"v1", "v2", "v3"}));
    // With every name offered taken, it fails and leaves nothing.
    const DurableWrite refused = writeDurably(platformFileLayer(), "more", names, 3);
    EXPECT_FALSE(refused.file.has_value());
    EXPECT_EQ(refused.error, std::errc::file_exists);
    EXPECT_EQ(dir.entries().size(), 3u);
}

TEST(WriteDurably, AFailedStepLeavesNothingUnderTheTemporaryName) {
    for (const char* step : {"create", "write", "flush", "rename"}) {
        test::ScratchDir dir;
        test::RecordingLayer layer;
        layer.fails = [&](const test::LayerStep& s) { return s.what == step; };
        const DurableWrite written =
            writeDurably(layer, "bytes", [&](int) { return dir.path() / "file"; });
        EXPECT_TRUE(written.error) << step;
        EXPECT_FALSE(written.file.has_value()) << step;
        EXPECT_TRUE(dir.entries().empty()) << step;
    }
}

}  // namespace
}  // namespace vx
