// The real test print, to a file. Runs in two passes, driven by
// scripts/test-print-check.sh (CTest runs this executable through it):
//
//  1. TestPrintToFile: installs printers served by Wine's PostScript driver
//     whose ports write to files in $VX_PRINT_DIR, runs the main window's
//     test print command on them (the confirmation answered OK) and writes,
//     beside each PostScript file, the printer's resolution and printable
//     origin as the driver reports them.
//  2. RenderedTestPrint: after the script has rendered each PostScript file
//     with ghostscript at the printer's resolution, checks the pixels where
//     the label must be (and must not be).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "printer/win32/test_label_printer_win32.h"
#include "printer/win32/winspool_spooler.h"
#include "resources/resource.h"
#include "tests/app_win32_shell/postscript_printers.h"
#include "tests/app_win32_shell/shell_fixture.h"
#include "tests/printer/win32/modal_script.h"

namespace vx::test {
namespace {

const std::wstring kConfirmTestPrint =
    L"テスト印刷を行います。\n装置に添付のテスト用ラベルをセットしてください。";

// The directory the ports write to, as a Unix path ("" when not given).
std::wstring printDirectory() {
    wchar_t buffer[1024] = {};
    DWORD n = GetEnvironmentVariableW(L"VX_PRINT_DIR", buffer, 1024);
    return n > 0 && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

std::filesystem::path outputFile(const std::wstring& name) {
    return windowsPathOf(printDirectory() + L"/" + name);
}

bool fileThere(const std::filesystem::path& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// What the printer's driver reports about its page: resolution and where
// the printable area (the device's (0, 0)) starts on the sheet.
struct PageGeometry {
    int dpiX = 0, dpiY = 0;
    int originX = 0, originY = 0;
};

PageGeometry pageGeometry(const std::wstring& printer) {
    PageGeometry geometry;
    HDC dc = CreateDCW(L"WINSPOOL", printer.c_str(), nullptr, nullptr);
    if (dc == nullptr) return geometry;
    geometry.dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    geometry.dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    geometry.originX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    geometry.originY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    DeleteDC(dc);
    return geometry;
}

// "<dpi> <factor> <origin x> <origin y>": read by the script (dpi) and by
// the second pass.
void writeExpectation(const std::wstring& name, const PageGeometry& geometry, int factor) {
    std::ofstream out(outputFile(name + L".txt"));
    out << geometry.dpiY << ' ' << factor << ' ' << geometry.originX << ' ' << geometry.originY
        << '\n';
}

class TestPrintToFile : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(printDirectory().empty())
            << "run through scripts/test-print-check.sh, which sets VX_PRINT_DIR";
        ASSERT_TRUE(canCreateWindows()) << "needs an X display (DISPLAY, e.g. Xvfb)";
        tag = processTag();
    }

    // A driver of our own for this test, served by the PostScript driver.
    std::wstring installDriver(const std::wstring& suffix) {
        std::wstring driver = L"VX Shell PostScript " + tag + L" " + suffix;
        EXPECT_TRUE(printers.installDriver(driver)) << printers.error();
        return driver;
    }

    void addPrinter(const std::wstring& name, const std::wstring& driver, const std::wstring& port,
                    const std::wstring& output, short resolution) {
        ASSERT_TRUE(printers.add({name, driver, port, output, resolution})) << printers.error();
    }

    // Opens the main window bound to `printer`, runs the test print command
    // and answers its confirmation with OK. Returns the confirmation's text;
    // `otherBoxes` counts any message box that followed it.
    std::wstring runTestPrintCommand(const std::wstring& printer, int& otherBoxes) {
        WinspoolSpooler spooler;
        ShellHarness harness(spooler, narrow(printer));
        EXPECT_TRUE(harness.open());
        std::wstring confirmation;
        HWND first = nullptr;
        otherBoxes = 0;
        {
            ModalScript script(std::chrono::seconds(20));
            script.onDialog(kToolCaption, [&](HWND box) {
                first = box;
                confirmation = messageBoxText(box);
                click(box, IDOK);
            });
            script.when(
                [&]() -> HWND {
                    HWND box = readyDialog(kToolCaption);
                    return box != first ? box : nullptr;
                },
                [&](HWND box) {
                    ++otherBoxes;
                    click(box, IDOK);
                });
            SendMessageW(harness.window->hwnd(), WM_COMMAND, ID_TEST_PRINT, 0);
        }
        EXPECT_TRUE(harness.window->isOpen());
        return confirmation;
    }

    std::wstring tag;
    PostScriptPrinters printers;
};

TEST_F(TestPrintToFile, At305DpiThePrinterGetsTheLabelAtFactor1) {
    const std::wstring driver = installDriver(L"A");
    // The printer carries its driver's name here.
    addPrinter(driver, driver, L"VXSH" + tag + L"A:", printDirectory() + L"/label305.ps", 305);
    const PageGeometry geometry = pageGeometry(driver);
    ASSERT_EQ(geometry.dpiY, 305) << "the driver did not take the 305 dpi device mode";
    writeExpectation(L"label305", geometry, 1);

    int otherBoxes = -1;
    EXPECT_EQ(runTestPrintCommand(driver, otherBoxes), kConfirmTestPrint);
    EXPECT_EQ(otherBoxes, 0);
    ASSERT_TRUE(fileThere(outputFile(L"label305.ps")));
    // One page of a document named "testprint".
    const std::string postscript = readBytes(outputFile(L"label305.ps"));
    EXPECT_NE(postscript.find("%%Title: testprint\n"), std::string::npos);
    EXPECT_NE(postscript.find("%%Pages: 1\n"), std::string::npos);
}

TEST_F(TestPrintToFile, At203DpiAPrinterNamedUnlikeItsDriverGetsTheLabelAtFactor2) {
    const std::wstring driver = installDriver(L"B");
    // A printer named like the driver, which must not receive the label.
    addPrinter(driver, driver, L"VXSH" + tag + L"B:", printDirectory() + L"/decoy.ps", 305);
    const std::wstring printer = L"出荷ラベル 203dpi " + tag;
    addPrinter(printer, driver, L"VXSH" + tag + L"C:", printDirectory() + L"/label203.ps", 203);
    const PageGeometry geometry = pageGeometry(printer);
    ASSERT_EQ(geometry.dpiY, 203) << "the driver did not take the 203 dpi device mode";
    writeExpectation(L"label203", geometry, 2);

    int otherBoxes = -1;
    EXPECT_EQ(runTestPrintCommand(printer, otherBoxes), kConfirmTestPrint);
    EXPECT_EQ(otherBoxes, 0);
    EXPECT_TRUE(fileThere(outputFile(L"label203.ps")));
    EXPECT_FALSE(fileThere(outputFile(L"decoy.ps"))) << "the label went to the driver's namesake";
}

TEST_F(TestPrintToFile, APortThatCannotBeWrittenFailsWithoutAMessage) {
    const std::wstring driver = installDriver(L"D");
    // The port's file would lie inside a regular file: no one can create it.
    std::ofstream(outputFile(L"not-a-directory")) << "x";
    const std::wstring printer = L"Unwritable port " + tag;
    addPrinter(printer, driver, L"VXSH" + tag + L"D:",
               printDirectory() + L"/not-a-directory/label.ps", 305);

    WinspoolSpooler spooler;
    Win32LabelPrinter direct(spooler);
    EXPECT_EQ(direct.verticalResolution(narrow(printer)), 305);
    EXPECT_FALSE(direct.printTestLabel(narrow(printer), 1));

    int otherBoxes = -1;
    EXPECT_EQ(runTestPrintCommand(printer, otherBoxes), kConfirmTestPrint);
    EXPECT_EQ(otherBoxes, 0) << "a failed test print shows no message";
}

TEST_F(TestPrintToFile, TheLabelPrinterReportsSuccessAndTheResolutionDirectly) {
    const std::wstring driver = installDriver(L"E");
    const std::wstring printer = L"Direct 203 " + tag;
    addPrinter(printer, driver, L"VXSH" + tag + L"E:", printDirectory() + L"/direct.ps", 203);
    writeExpectation(L"direct", pageGeometry(printer), 2);
    WinspoolSpooler spooler;
    Win32LabelPrinter direct(spooler);
    EXPECT_EQ(direct.verticalResolution(narrow(printer)), 203);
    EXPECT_TRUE(direct.printTestLabel(narrow(printer), 2));
    EXPECT_TRUE(fileThere(outputFile(L"direct.ps")));
    EXPECT_EQ(direct.verticalResolution(narrow(L"No such printer " + tag)), std::nullopt);
    EXPECT_FALSE(direct.printTestLabel(narrow(L"No such printer " + tag), 1));
}

// --- second pass: the rendered pages ------------------------------------

// A grey image as ghostscript's pgmraw device writes it.
struct GreyImage {
    int width = 0, height = 0;
    std::string pixels;
    bool black(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * width + x]) < 128;
    }
};

// Skips blanks and comments of the header.
void skipBlanks(std::istream& in) {
    for (;;) {
        int c = in.peek();
        if (c == '#') {
            std::string comment;
            std::getline(in, comment);
        } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            in.get();
        } else {
            return;
        }
    }
}

bool readPgm(const std::filesystem::path& path, GreyImage& image) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    in >> magic;
    skipBlanks(in);
    in >> image.width;
    skipBlanks(in);
    in >> image.height;
    skipBlanks(in);
    in >> maximum;
    in.get();
    if (!in || magic != "P5" || maximum != 255 || image.width <= 0 || image.height <= 0) {
        return false;
    }
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    in.read(image.pixels.data(), static_cast<std::streamsize>(image.pixels.size()));
    return static_cast<bool>(in);
}

struct Expectation {
    int dpi = 0, factor = 0, originX = 0, originY = 0;
};

bool readExpectation(const std::wstring& name, Expectation& e) {
    std::ifstream in(outputFile(name + L".txt"));
    in >> e.dpi >> e.factor >> e.originX >> e.originY;
    return static_cast<bool>(in);
}

// The label as rendered: label pixel (x, y) covers the sheet's pixels
// [origin + f*x, origin + f*x + f). Edges may fall between sheet pixels, so
// the checks keep one pixel away from them.
class RenderedLabel {
public:
    RenderedLabel(const GreyImage& image, const Expectation& e) : image_(image), e_(e) {}

    // The middle of label pixel (x, y) on the sheet.
    bool blackAt(int x, int y) const {
        return image_.black(e_.originX + e_.factor * x + e_.factor / 2,
                            e_.originY + e_.factor * y + e_.factor / 2);
    }
    // Label pixels [x0, x1) x [y0, y1), all black, edges aside.
    int whitePixelsInside(int x0, int y0, int x1, int y1) const {
        int white = 0;
        for (int y = e_.originY + e_.factor * y0 + 1; y < e_.originY + e_.factor * y1 - 1; ++y) {
            for (int x = e_.originX + e_.factor * x0 + 1; x < e_.originX + e_.factor * x1 - 1;
                 ++x) {
                if (!image_.black(x, y)) ++white;
            }
        }
        return white;
    }
    // The sheet pixels two away from the rectangle's outline, all white.
    int blackPixelsAround(int x0, int y0, int x1, int y1) const {
        const int left = e_.originX + e_.factor * x0 - 2, right = e_.originX + e_.factor * x1 + 1;
        const int top = e_.originY + e_.factor * y0 - 2, bottom = e_.originY + e_.factor * y1 + 1;
        int black = 0;
        for (int x = left; x <= right; ++x) black += image_.black(x, top) + image_.black(x, bottom);
        for (int y = top; y <= bottom; ++y) black += image_.black(left, y) + image_.black(right, y);
        return black;
    }
    // Where the frame's outer left and top edges (label x = 4, y = 4) lie
    // on the sheet: the first black pixel along the label's middle row and
    // middle column, searched from the sheet's edge.
    std::pair<int, int> frameCorner() const {
        const int midY = e_.originY + e_.factor * 100, midX = e_.originX + e_.factor * 200;
        int x = 0, y = 0;
        while (x < image_.width && !image_.black(x, midY)) ++x;
        while (y < image_.height && !image_.black(midX, y)) ++y;
        return {x, y};
    }

private:
    const GreyImage& image_;
    const Expectation& e_;
};

class RenderedTestPrint : public testing::Test {
protected:
    void load(const std::wstring& name, int dpi, int factor) {
        ASSERT_FALSE(printDirectory().empty())
            << "run through scripts/test-print-check.sh, which sets VX_PRINT_DIR";
        ASSERT_TRUE(readExpectation(name, expectation)) << "the first pass wrote no expectation";
        ASSERT_EQ(expectation.dpi, dpi);
        ASSERT_EQ(expectation.factor, factor);
        ASSERT_TRUE(readPgm(outputFile(name + L".pgm"), image))
            << "no rendered page: the printer wrote no PostScript, or ghostscript failed";
    }

    void checkLabel() {
        const RenderedLabel label(image, expectation);
        const int f = expectation.factor;
        // The sheet is as large as A4 at this resolution, nothing scaled.
        EXPECT_NEAR(image.width, 595 * expectation.dpi / 72, 2);
        EXPECT_NEAR(image.height, 842 * expectation.dpi / 72, 2);

        // The block, exactly where the scale factor puts it.
        EXPECT_EQ(label.whitePixelsInside(20, 20, 120, 80), 0);
        EXPECT_EQ(label.blackPixelsAround(20, 20, 120, 80), 0);
        // The label's printable origin, found on the sheet, is the one the
        // driver reports.
        const auto [left, top] = label.frameCorner();
        std::printf(
            "  frame at sheet pixel (%d, %d) at %d dpi: printable origin (%d, %d), "
            "reported (%d, %d)\n",
            left, top, expectation.dpi, left - 4 * f, top - 4 * f, expectation.originX,
            expectation.originY);
        EXPECT_NEAR(left, expectation.originX + 4 * f, 1);
        EXPECT_NEAR(top, expectation.originY + 4 * f, 1);

        // The frame on all four sides, white inside and outside it.
        EXPECT_TRUE(label.blackAt(7, 100));
        EXPECT_TRUE(label.blackAt(392, 100));
        EXPECT_TRUE(label.blackAt(200, 7));
        EXPECT_TRUE(label.blackAt(200, 192));
        EXPECT_FALSE(label.blackAt(2, 100));
        EXPECT_FALSE(label.blackAt(12, 100));
        EXPECT_FALSE(label.blackAt(398, 100));
        EXPECT_FALSE(label.blackAt(200, 198));
        EXPECT_EQ(label.whitePixelsInside(4, 4, 396, 10), 0);
        // The picture is upright: the checkerboard's black square is at its
        // top-left, below the block.
        EXPECT_TRUE(label.blackAt(25, 105));
        EXPECT_FALSE(label.blackAt(35, 105));
        EXPECT_FALSE(label.blackAt(25, 115));
        EXPECT_TRUE(label.blackAt(35, 115));
        // Nothing beyond the label.
        EXPECT_FALSE(image.black(expectation.originX + f * 400 + 4, expectation.originY + f * 50));
        EXPECT_FALSE(image.black(expectation.originX + f * 50, expectation.originY + f * 200 + 4));
    }

    Expectation expectation;
    GreyImage image;
};

TEST_F(RenderedTestPrint, At305DpiTheBlockCoversDevicePixels20To119By20To79) {
    load(L"label305", 305, 1);
    checkLabel();
}

TEST_F(RenderedTestPrint, At203DpiEverythingIsTwiceAsLarge) {
    load(L"label203", 203, 2);
    checkLabel();
}

TEST_F(RenderedTestPrint, TheDirectPrintIsTheSameLabel) {
    load(L"direct", 203, 2);
    checkLabel();
}

}  // namespace
}  // namespace vx::test
