// The settings sheet in a real browser: headless Chromium loads the sheet of
// a file, lays it out and paints it. The DOM it built is the sheet's (not an
// error page) and its screenshot is a picture of the size asked for, with
// text and pictures from the top to the bottom.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "report/file_facts.h"
#include "report/settings_sheet.h"
#include "settings/driver_font_file.h"
#include "settings/ini_document.h"
#include "tests/settings/test_support.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1000, kHeight = 2400;

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Runs a shell command, never for longer than `seconds`; its exit status.
int run(const std::string& command, int seconds) {
    const std::string limited = "timeout -k 5 " + std::to_string(seconds) + " " + command;
    return std::system(limited.c_str());
}

std::string chromium(const fs::path& profile) {
    return "chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --no-first-run "
           "--disable-extensions --user-data-dir=" +
           quoted(profile) + " --window-size=" + std::to_string(kWidth) + "," +
           std::to_string(kHeight);
}

// Width and height from a PNG file's header; zeros for another file.
std::pair<int, int> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
    const auto word = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        return value;
    };
    return {word(16), word(20)};
}

// The mean brightness (0 black, 1 white) of a band of the picture.
double bandMean(const fs::path& picture, int top, int height, const fs::path& scratch) {
    const fs::path result = scratch / "mean.txt";
    const std::string command = "convert " + quoted(picture) + " -crop " + std::to_string(kWidth) +
                                "x" + std::to_string(height) + "+0+" + std::to_string(top) +
                                " +repage -format '%[fx:mean]' info: > " + quoted(result);
    if (run(command, 60) != 0) return -1;
    return std::atof(test::readBytes(result).c_str());
}

TEST(SheetInChromium, LoadsAndPaintsTheWholeSheet) {
    ASSERT_EQ(std::system("command -v chromium > /dev/null"), 0)
        << "Chromium is missing: scripts/install-deps.sh installs it";
    test::ScratchDir dir;
    const std::string bytes = test::readBytes(test::dataFile("only_dvf_section.dvf"));
    SettingsStore settings;
    loadDriverFontFile(IniDocument(bytes), settings);
    SheetRequest request;
    request.settings = &settings;
    request.file = describeSheetFile(test::dataFile("only_dvf_section.dvf"), bytes);
    request.printer = "病棟リストバンド 3F";
    request.madeAt = "2025-04-02 10:00:00";
    const fs::path sheet = dir.path() / "sheet.html";
    test::writeBytes(sheet, settingsSheetHtml(request));
    const fs::path url = "file://" + sheet.string();

    // The DOM as Chromium built it: the sheet's, every block in it.
    const fs::path dom = dir.path() / "dom.html";
    ASSERT_EQ(run(chromium(dir.path() / "profile-dom") + " --dump-dom " + quoted(url) + " > " +
                      quoted(dom) + " 2> " + quoted(dir.path() / "dom.log"),
                  120),
              0)
        << test::readBytes(dir.path() / "dom.log");
    const std::string built = test::readBytes(dom);
    EXPECT_NE(built.find("<h1>内蔵フォント設定一覧 - 病棟リストバンド 3F</h1>"), std::string::npos)
        << built.substr(0, 400);
    EXPECT_NE(built.find("id=\"font-60\""), std::string::npos);
    EXPECT_EQ(built.find("ERR_"), std::string::npos);

    // Painted: a picture of the window's size, neither blank nor black, with
    // the head at the top and the contents still going on at the bottom
    // (Chromium's error page is white below its few lines).
    const fs::path shot = dir.path() / "sheet.png";
    ASSERT_EQ(run(chromium(dir.path() / "profile-shot") + " --screenshot=" + quoted(shot) + " " +
                      quoted(url) + " > " + quoted(dir.path() / "shot.log") + " 2>&1",
                  120),
              0)
        << test::readBytes(dir.path() / "shot.log");
    EXPECT_EQ(pngSize(test::readBytes(shot)), std::make_pair(kWidth, kHeight));
    const double top = bandMean(shot, 0, 300, dir.path());
    const double bottom = bandMean(shot, kHeight - 300, 300, dir.path());
    const double whole = bandMean(shot, 0, kHeight, dir.path());
    EXPECT_GT(top, 0.5);
    EXPECT_LT(top, 0.99);
    EXPECT_GT(bottom, 0.5);
    EXPECT_LT(bottom, 0.99);
    EXPECT_GT(whole, 0.5);
    EXPECT_LT(whole, 0.99);
}

}  // namespace
}  // namespace vx
