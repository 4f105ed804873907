// ファイル → 設定一覧を保存 in the real main window under Wine: the menu
// command writes the sheet of the file with the value typed on the page
// (neither stored nor saved), says so at the top, and leaves the file and
// the page as they were.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/sheet_command.h"
#include "resources/resource.h"
#include "settings/file_io.h"
#include "tests/app_win32/font_page_window.h"
#include "tests/printer/win32/modal_script.h"

namespace vx::test {
namespace {

// Hands out one file name instead of the save dialog; records what the
// browser was asked to open.
class PreparedSheetPorts : public SheetPorts {
public:
    std::filesystem::path file;
    int opened = 0;
    std::optional<SheetChoice> chooseSheetFile(const std::string&) override {
        return SheetChoice{file};
    }
    bool openInBrowser(const std::filesystem::path&) override {
        ++opened;
        return true;
    }
};

TEST(SheetWindow, TheMenuCommandWritesTheSheetWithTheValueTypedOnThePage) {
    FontPageWindow page{PageKind::Barcode};
    ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
    const std::string before = readFileBytes(page.file()).value_or("<missing>");
    page.type(IDC_BC_ORIGIN_X, L"777");  // typed; the focus stays in the edit
    PreparedSheetPorts ports;
    ports.file = page.file().parent_path() / L"設定一覧.html";
    page.window().setSheetPorts(ports);
    std::wstring told;
    {
        ModalScript script;
        script.onDialog(L"内蔵フォント設定ツール", [&](HWND box) {
            told = messageBoxText(box);
            click(box, IDNO);
        });
        SendMessageW(page.window().hwnd(), WM_COMMAND, MAKEWPARAM(ID_FILE_SAVE_SHEET, 0), 0);
        page.pump();
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(told, L"設定一覧を保存しました。\nブラウザで開きますか？");
    EXPECT_EQ(ports.opened, 0);
    const std::string html = readFileBytes(ports.file).value_or("");
    EXPECT_NE(html.find("まだ保存していない変更（1 フォント）"), std::string::npos);
    EXPECT_NE(html.find("777 x0.1mm"), std::string::npos);
    EXPECT_NE(html.find("<td>Label printer</td>"), std::string::npos);
    EXPECT_EQ(readFileBytes(page.file()).value_or("<missing>"), before);
    EXPECT_EQ(page.text(IDC_BC_ORIGIN_X), L"777");
}

}  // namespace
}  // namespace vx::test
