// Helpers shared by the settings and dvftool tests: golden files, scratch
// directories and a plain view of a file's sections.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "settings/codepage.h"

namespace vx::test {

namespace fs = std::filesystem;

// A program text in the driver font file's code page.
inline std::string sj(std::string_view utf8) { return vx::cp932(utf8); }

inline fs::path dataFile(std::string_view name) { return fs::path(VX_TEST_DATA_DIR) / name; }

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << path.string();
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "cannot write " << path.string();
}

inline std::vector<fs::path> goldenFiles() {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(VX_TEST_DATA_DIR)) {
        if (entry.path().extension() == ".dvf") files.push_back(entry.path());
    }
    return files;
}

inline void makeWritable(const fs::path& path) {
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
}

inline void makeReadOnly(const fs::path& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

// A directory of its own for one test, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        static std::atomic<unsigned> counter{0};
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "vx_test_";
        if (info != nullptr) name += std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name) {
            if (c == '/' || c == '\\' || c == ':') c = '_';
        }
        name += "_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                "_" + std::to_string(counter++);
        path_ = fs::temp_directory_path() / name;
        fs::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end;
             it.increment(ec)) {
            makeWritable(it->path());
        }
        fs::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const fs::path& path() const { return path_; }

    // Copies a golden file into the directory and returns the copy's path.
    fs::path copyOf(std::string_view goldenName) const {
        fs::path target = path_ / goldenName;
        fs::copy_file(dataFile(goldenName), target, fs::copy_options::overwrite_existing);
        makeWritable(target);
        return target;
    }

    fs::path withBytes(std::string_view name, std::string_view bytes) const {
        fs::path target = path_ / name;
        writeBytes(target, bytes);
        return target;
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

private:
    fs::path path_;
};

// One section of a file as this test code sees it: a header line that
// starts with '[' (the preamble has an empty header) and the lines up to the
// next header, with their line breaks. Good enough for the plain section
// names of the golden files; the document's own parsing is what is tested.
struct Block {
    std::string header;  // the header line as written, without its break
    std::string bytes;   // the whole block, header included
};

inline std::vector<Block> splitBlocks(std::string_view text) {
    std::vector<Block> blocks(1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::size_t next = text.find_first_not_of("\r\n", end);
        if (next == std::string_view::npos) next = text.size();
        std::string_view line = text.substr(pos, end - pos);
        std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] == '[' &&
            line.find(']') != std::string_view::npos) {
            blocks.push_back(Block{std::string(line), {}});
        }
        blocks.back().bytes += text.substr(pos, next - pos);
        pos = next;
    }
    return blocks;
}

// The header lines of a text, in order.
inline std::vector<std::string> headers(std::string_view text) {
    std::vector<std::string> out;
    for (const Block& block : splitBlocks(text)) {
        if (!block.header.empty()) out.push_back(block.header);
    }
    return out;
}

}  // namespace vx::test
