// Running dvftool in-process and reading what it prints, for the dvftool
// tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/dvftool_commands.h"

namespace vx::test {

using Strings = std::vector<std::string>;

struct ToolRun {
    int exit;
    std::string out;
    std::string err;
};

inline std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Runs dvftool with `input` as its standard input; printers are looked up
// through the spooler and environment when given.
inline ToolRun dvftool(const Strings& args, const std::string& input = {},
                       Spooler* spooler = nullptr, const SystemEnvironment* environment = nullptr) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int exit = runDvfTool(args, {in, out, err, spooler, environment});
    return {exit, out.str(), err.str()};
}

// The lines of a text split at tabs.
inline std::vector<Strings> tabLines(const std::string& text) {
    std::vector<Strings> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        Strings cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
             start = tab + 1) {
            cells.push_back(line.substr(start, tab - start));
        }
        cells.push_back(line.substr(start));
        lines.push_back(std::move(cells));
    }
    return lines;
}

}  // namespace vx::test
