// A history in a scratch folder whose clock moves on a minute per version.
#pragma once

#include "history/file_history.h"
#include "tests/settings/test_support.h"

namespace vx::test {

class HistoryFixture : public testing::Test {
protected:
    ScratchDir dir;
    int minutes = 0;
    FileHistory history{dir.path() / "history", [this] {
                            const int m = minutes++;
                            return LocalTime{2024, 5, 1 + m / 1440, m / 60 % 24, m % 60, 7};
                        }};
    fs::path file = dir.withBytes("ALTOD.DVF", "[DVF]\r\nVersion=2\r\n");

    std::vector<std::string> keptBytes() const {
        std::vector<std::string> bytes;
        for (const HistoryVersion& version : history.versions(file)) {
            bytes.push_back(FileHistory::read(version).value_or("<unreadable>"));
        }
        return bytes;
    }
};

}  // namespace vx::test
