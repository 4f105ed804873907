// Values the user did not type, in the real main window: factory settings
// saved are written as they are, also where a page would correct them on
// leaving their field, and a font whose file value lies outside its range,
// only looked at, leaves nothing to ask about when another printer is
// chosen.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/ini_document.h"
#include "tests/app_win32_shell/shell_fixture.h"
#include "tests/printer/fake_spooler.h"
#include "tests/printer/win32/modal_script.h"

namespace vx::test {
namespace {

class LoadedValuesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canCreateWindows()) << "needs an X display (DISPLAY, e.g. Xvfb)";
    }
    void TearDown() override {
        harness.window.reset();
        pumpMessages();
    }

    void open() {
        ASSERT_TRUE(harness.open());
        hwnd = harness.window->hwnd();
    }
    void command(int id) {
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        pumpMessages(harness.window.get());
    }
    // A font chosen in the 1D page's font list, as the user chooses it.
    void chooseBarcodeFont(int n) {
        HWND page = harness.window->pageWindow(PageKind::Barcode);
        HWND list = GetDlgItem(page, IDC_BC_FONT_NAME);
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(n), 0);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_BC_FONT_NAME, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        pumpMessages(harness.window.get());
    }
    // Every box of the tool answered with `answer`, their texts kept.
    std::vector<std::wstring> answering(int answer, int id) {
        std::vector<std::wstring> seen;
        ModalScript script;
        for (int i = 0; i < 3; ++i) {
            script.onDialog(kToolCaption, [&seen, answer](HWND box) {
                seen.push_back(messageBoxText(box));
                click(box, answer);
            });
        }
        command(id);
        return seen;
    }

    FakeSpooler spooler;
    ShellHarness harness{spooler};
    HWND hwnd = nullptr;
};

TEST_F(LoadedValuesTest, FactorySettingsSavedAreWrittenAsTheyAre) {
    open();
    const std::vector<std::wstring> asked = answering(IDOK, ID_FACTORY_SETTINGS);
    ASSERT_EQ(asked.size(), 2u) << "the question and the notice";
    // Every page in front once, so that each one stores its font.
    command(ID_SHOW_PAGE_CODE2D);
    command(ID_SHOW_PAGE_FONT);
    command(ID_SHOW_PAGE_BARCODE);
    const std::string before = readBytes(harness.driverFontFile);
    EXPECT_EQ(answering(IDOK, ID_FILE_SAVE),
              (std::vector<std::wstring>{L"保存しますか？", L"保存しました"}));
    const IniDocument saved(readBytes(harness.driverFontFile));
    // The factory state as the writer writes it by itself.
    SettingsStore factory;
    loadDriverFontFile(IniDocument(), factory);
    IniDocument expected(before);
    ASSERT_TRUE(writeDriverFontSections(factory, expected));
    for (int n = 1; n <= 20; ++n) {
        const std::string font = cp932("ZELバーコード" + std::string(n < 10 ? "0" : "") +
                                       std::to_string(n));
        const std::vector<std::string> keys = expected.keyNames(font);
        EXPECT_EQ(saved.keyNames(font), keys) << n;
        for (const std::string& key : keys) {
            // The font shown stores its lists' codes as the page shows them
            // (バー下付き文字 "default" shows and stores "0").
            if (n == 1 && key == "XBpo") continue;
            EXPECT_EQ(saved.read(font, key, "(none)"), expected.read(font, key, "(none)"))
                << n << " " << key;
        }
    }
}

// A file's numbers outside their fields' ranges, on the fonts each page
// shows first, saved without a field typed in: written as they were read.
TEST_F(LoadedValuesTest, LoadedValuesOutsideTheirRangesAreSavedAsTheyAre) {
    const std::string sections =
        "[" + cp932("ZELバーコード01") + "]\r\nFontType=104\r\nXBpf1pf2=00\r\nXBph1ph2=150\r\n" +
        "[" + cp932("ZEL2次元コード01") + "]\r\nFontType=205\r\nXBpf1pf2=60\r\n" +
        "[" + cp932("ZEL文字フォント01") + "]\r\nFontType=1\r\nPCpg=+\r\nPCph1ph2=150\r\n";
    writeBytes(harness.driverFontFile, "[DVF]\r\nVersion=2\r\n" + sections);
    open();
    command(ID_SHOW_PAGE_CODE2D);
    command(ID_SHOW_PAGE_FONT);
    command(ID_SHOW_PAGE_BARCODE);
    EXPECT_EQ(answering(IDOK, ID_FILE_SAVE),
              (std::vector<std::wstring>{L"保存しますか？", L"保存しました"}));
    const IniDocument saved(readBytes(harness.driverFontFile));
    EXPECT_EQ(saved.read(cp932("ZELバーコード01"), "XBpf1pf2", ""), "00");
    EXPECT_EQ(saved.read(cp932("ZELバーコード01"), "XBph1ph2", ""), "150");
    EXPECT_EQ(saved.read(cp932("ZEL2次元コード01"), "XBpf1pf2", ""), "60");  // QR: 0 to 52
    EXPECT_EQ(saved.read(cp932("ZEL文字フォント01"), "PCph1ph2", ""), "150");  // 0 to 99
}

// The edit with the focus when the user saves is checked as if the focus
// had left it; the others keep what the file holds.
TEST_F(LoadedValuesTest, TheEditWithTheFocusIsCheckedAtTheSave) {
    writeBytes(harness.driverFontFile,
               "[DVF]\r\nVersion=2\r\n[" + cp932("ZELバーコード01") +
                   "]\r\nFontType=104\r\nXBpf1pf2=00\r\nXBph1ph2=150\r\n");
    open();
    command(ID_SHOW_PAGE_BARCODE);
    HWND wideBar = GetDlgItem(harness.window->pageWindow(PageKind::Barcode), IDC_BC_WIDE_BAR);
    ASSERT_TRUE(IsWindowEnabled(wideBar));
    SetFocus(wideBar);
    ASSERT_EQ(GetFocus(), wideBar);
    ModalScript script;
    script.onDialog(kToolCaption, [](HWND box) { click(box, IDOK); });
    script.onDialog(kToolCaption, [](HWND box) { click(box, IDOK); });
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(ID_FILE_SAVE, 0), 0);
    EXPECT_TRUE(script.finished());
    const IniDocument saved(readBytes(harness.driverFontFile));
    EXPECT_EQ(saved.read(cp932("ZELバーコード01"), "XBph1ph2", ""), "99");
    EXPECT_EQ(saved.read(cp932("ZELバーコード01"), "XBpf1pf2", ""), "00");
    EXPECT_EQ(text(wideBar), L"99");
}

TEST_F(LoadedValuesTest, AnOutOfRangeFontOnlyBrowsedAsksNothingOnAnotherPrinter) {
    // The second 1D font: CODE39 with a narrow bar width of 00 (1 to 99 on
    // the page).
    std::string file = sampleDriverFontFile();
    const std::string section = "[" + cp932("ZELバーコード02") + "]";
    const std::size_t at = file.find(section);
    ASSERT_NE(at, std::string::npos);
    const std::size_t next = file.find("\r\n[", at + section.size());
    const std::size_t length = next == std::string::npos ? std::string::npos : next + 2 - at;
    file.replace(at, length, section + "\r\nFontType=104\r\nXBpf1pf2=00\r\n");
    writeBytes(harness.driverFontFile, file);
    open();
    command(ID_SHOW_PAGE_BARCODE);
    chooseBarcodeFont(1);
    HWND narrowBar = GetDlgItem(harness.window->pageWindow(PageKind::Barcode), IDC_BC_NARROW_BAR);
    ASSERT_TRUE(IsWindowEnabled(narrowBar));
    EXPECT_EQ(text(narrowBar), L"0");
    chooseBarcodeFont(0);
    harness.chooser.answers = {"Second printer"};
    EXPECT_EQ(answering(IDCANCEL, ID_FILE_CHOOSE_PRINTER), std::vector<std::wstring>{})
        << "asked about changes nobody made";
    EXPECT_EQ(harness.locatedNames, (std::vector<std::string>{"Label printer", "Second printer"}));
}

}  // namespace
}  // namespace vx::test
