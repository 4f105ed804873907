// Every numeric resource ID is named once, and the numbers that reach one
// window as commands or controls never collide.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace vx {
namespace {

struct Definition {
    std::string block;
    std::string name;
    std::string value;  // a number, or the name of another definition (an alias)
};

std::vector<Definition> readResourceHeader() {
    std::ifstream in(VX_RESOURCE_HEADER);
    std::vector<Definition> out;
    std::string line, block;
    const std::regex blockLine(R"(^// ---- (.*) ----)");
    const std::regex defineLine(R"(^#define\s+(\w+)\s+\(?(-?\w+)\)?)");
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_search(line, m, blockLine)) block = m[1];
        if (std::regex_search(line, m, defineLine) && !block.empty()) out.push_back({block, m[1], m[2]});
    }
    return out;
}

bool isNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

TEST(ResourceIds, EveryNumberIsNamedOnceWithinItsBlock) {
    const std::vector<Definition> definitions = readResourceHeader();
    ASSERT_GT(definitions.size(), 100u);
    std::map<std::string, std::map<std::string, std::string>> numbersByBlock;
    std::set<std::string> names;
    for (const Definition& d : definitions) {
        EXPECT_TRUE(names.insert(d.name).second) << d.name << " is defined twice";
        if (!isNumber(d.value)) {
            EXPECT_TRUE(names.count(d.value)) << d.name << " aliases the unknown " << d.value;
            continue;
        }
        auto [it, fresh] = numbersByBlock[d.block].emplace(d.value, d.name);
        EXPECT_TRUE(fresh) << d.block << ": " << d.value << " is both " << it->second << " and "
                           << d.name;
    }
}

// Menu commands, accelerators, toolbar buttons and the main window's own
// controls all arrive at the main window as the same kind of command.
TEST(ResourceIds, MainWindowCommandsAndControlsDoNotCollide) {
    const std::set<std::string> mainWindowBlocks = {"menu and accelerator commands",
                                                    "toolbar buttons and their tooltip strings",
                                                    "main window controls (dialog 102)"};
    std::map<std::string, std::string> seen;
    for (const Definition& d : readResourceHeader()) {
        if (!mainWindowBlocks.count(d.block) || !isNumber(d.value)) continue;
        auto [it, fresh] = seen.emplace(d.value, d.name);
        EXPECT_TRUE(fresh) << d.value << " is both " << it->second << " and " << d.name;
        // IDOK and IDCANCEL are the dialog's own.
        EXPECT_GT(std::stoi(d.value), 2) << d.name;
    }
    EXPECT_GE(seen.size(), 20u);
}

}  // namespace
}  // namespace vx
