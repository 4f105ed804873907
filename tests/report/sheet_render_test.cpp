// The settings sheet in a real browser: headless Chromium loads the sheet of
// a file, lays it out and paints it. The DOM it built is the sheet's (not an
// error page) and its screenshot is a picture of the size asked for, with
// text and pictures from the top to the bottom. Printed to PDF (read back by
// poppler's pdfinfo and pdftotext), every page carries its number and the
// count, and the summary of each demo file takes at most two A4 pages.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// The sheet of a file printed by Chromium: each page's text, read by
// pdftotext; nothing when printing failed.
std::vector<std::string> printedPages(const SheetRequest& request, const fs::path& scratch,
                                      const std::string& name) {
    const fs::path html = scratch / (name + ".html"), pdf = scratch / (name + ".pdf");
    test::writeBytes(html, settingsSheetHtml(request));
    const fs::path log = scratch / (name + ".log");
    const int printed = run(chromium(scratch / ("profile-" + name)) +
                                " --no-pdf-header-footer --print-to-pdf=" + quoted(pdf) + " " +
                                quoted(fs::path("file://" + html.string())) + " > " + quoted(log) + " 2>&1",
                            120);
    EXPECT_EQ(printed, 0) << test::readBytes(log);
    if (printed != 0) return {};
    const fs::path info = scratch / (name + ".info");
    EXPECT_EQ(run("pdfinfo " + quoted(pdf) + " > " + quoted(info), 60), 0);
    const std::string facts = test::readBytes(info);
    const std::size_t at = facts.find("Pages:");
    const int pages = at == std::string::npos ? 0 : std::atoi(facts.c_str() + at + 6);
    std::vector<std::string> texts;
    for (int page = 1; page <= pages; ++page) {
        const fs::path text = scratch / (name + "-" + std::to_string(page) + ".txt");
        EXPECT_EQ(run("pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) +
                          " " + quoted(pdf) + " " + quoted(text),
                      60),
                  0);
        texts.push_back(test::readBytes(text));
    }
    return texts;
}

// "3 / 27" on a line of its own (pdftotext may close the spaces up).
bool numbered(const std::string& text, std::size_t page, std::size_t count) {
    const std::string n = std::to_string(page), of = std::to_string(count);
    for (const std::string& line : {n + " / " + of, n + "/" + of}) {
        if (text.find("\n" + line + "\n") != std::string::npos ||
            text.rfind(line + "\n", 0) == 0) {
            return true;
        }
    }
    return false;
}

struct DemoFile {
    SettingsStore settings;
    SheetFile file;
};

DemoFile demoFile(const std::string& name) {
    const fs::path path = fs::path(VX_TEST_DATA_DIR) / ".." / ".." / "demo" / name;
    const std::string bytes = test::readBytes(path);
    DemoFile demo;
    loadDriverFontFile(IniDocument(bytes), demo.settings);
    demo.file = describeSheetFile(path, bytes);
    return demo;
}

TEST(SheetInChromium, EachDemoFilesSummaryPrintsOnAtMostTwoNumberedPages) {
    for (const char* program : {"chromium", "pdfinfo", "pdftotext"}) {
        if (std::system((std::string("command -v ") + program + " > /dev/null").c_str()) != 0) {
            GTEST_SKIP() << program << " is missing: scripts/install-deps.sh installs it";
        }
    }
    test::ScratchDir dir;
    const DemoFile reference = demoFile("ALTOD.DVF");
    for (const char* name : {"demo.dvf", "ALTOD.DVF", "ALTOLD.DVF", "BASSD.DVF", "BASSED.DVF",
                             "CORDD.DVF"}) {
        const DemoFile demo = demoFile(name);
        SheetRequest request;
        request.settings = &demo.settings;
        request.file = demo.file;
        request.printer = "病棟リストバンド 3F";
        request.madeAt = "2025-04-02 10:00:00";
        request.form = SheetForm::Summary;
        request.note = "本館 3F ナースステーション / SN 0123456 / 確認：山田";
        // Against another demo file: the head and the table grow.
        request.against = SheetReference{reference.file, &reference.settings};
        const std::vector<std::string> pages = printedPages(request, dir.path(), name);
        EXPECT_GE(pages.size(), 1u) << name;
        EXPECT_LE(pages.size(), 2u) << name;
        for (std::size_t page = 0; page < pages.size(); ++page) {
            EXPECT_TRUE(numbered(pages[page], page + 1, pages.size()))
                << name << " page " << page + 1 << ":\n" << pages[page];
        }
        std::string all;
        for (const std::string& page : pages) all += page;
        EXPECT_NE(all.find("ZEL2次元コード10"), std::string::npos) << name;
        EXPECT_NE(all.find(reference.file.sha256.substr(0, 16)), std::string::npos) << name;
    }
}

TEST(SheetInChromium, EveryPageOfTheWholeSheetCarriesItsNumberAndTheCount) {
    for (const char* program : {"chromium", "pdfinfo", "pdftotext"}) {
        if (std::system((std::string("command -v ") + program + " > /dev/null").c_str()) != 0) {
            GTEST_SKIP() << program << " is missing: scripts/install-deps.sh installs it";
        }
    }
    test::ScratchDir dir;
    const DemoFile demo = demoFile("demo.dvf");
    SheetRequest request;
    request.settings = &demo.settings;
    request.file = demo.file;
    request.madeAt = "2025-04-02 10:00:00";
    const std::vector<std::string> pages = printedPages(request, dir.path(), "whole");
    EXPECT_GT(pages.size(), 2u);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(numbered(pages[page], page + 1, pages.size())) << "page " << page + 1;
    }
}

}  // namespace
}  // namespace vx
