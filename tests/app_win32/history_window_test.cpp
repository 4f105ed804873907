// The history in the real main window under Wine: the question when
// someone else saved the file (a real message box; each answer's outcome is
// the command logic's, app_logic_test), and the dialog that lists, compares
// and loads an earlier version. With VX_SCREENSHOT_DIR set, a picture of the
// dialog (history-dialog.bmp).
#include <windows.h>
// The list view needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>

#include "app/history_restore.h"
#include "history/history_location.h"
#include "resources/resource.h"
#include "settings/codepage.h"
#include "settings/file_io.h"
#include "settings/ini_document.h"
#include "tests/app_win32/window_picture.h"
#include "tests/printer/win32/modal_script.h"

namespace vx::test {
namespace {

const std::wstring kToolCaption = L"内蔵フォント設定ツール";
const std::wstring kDialogCaption = L"以前の設定に戻す";

// A row of a list view, its cells joined by " | ".
std::wstring row(HWND dialog, int listId, int index) {
    HWND list = GetDlgItem(dialog, listId);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    std::wstring cells;
    for (int column = 0; column < SendMessageW(header, HDM_GETITEMCOUNT, 0, 0); ++column) {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
        cells += (column == 0 ? L"" : L" | ") + std::wstring(text);
    }
    return cells;
}

int rows(HWND dialog, int listId) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, listId), LVM_GETITEMCOUNT, 0, 0));
}

class HistoryWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
        page.window().logic().setHistoryRoot(historyRoot, localTimeNow);
    }
    std::string bytes() const { return readFileBytes(page.file()).value_or("<missing>"); }
    // The file with the first barcode font's origin X changed.
    std::string withOriginX(const char* value) const {
        IniDocument document(bytes());
        document.write(cp932("ZELバーコード01"), "XBpb1pb2pb3pb4", value);
        return document.bytes();
    }
    void command(int id) {
        SendMessageW(page.window().hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        page.pump();
    }

    FontPageWindow page{PageKind::Barcode};
    const std::filesystem::path historyRoot = page.file().parent_path() / L"history";
};

TEST_F(HistoryWindowTest, SomeoneElsesSaveIsAskedAboutBeforeItIsOverwritten) {
    const std::string theirs = withOriginX("0555") + "; their comment\r\n";
    std::ofstream(page.file(), std::ios::binary) << theirs;  // behind the window's back
    std::wstring question, last;
    std::size_t buttons = 0;
    {
        ModalScript script;
        script.onDialog(kToolCaption, [](HWND box) { click(box, IDOK); });
        script.onDialog(kToolCaption, [&](HWND box) {
            question = messageBoxText(box);
            buttons = messageBoxButtons(box).size();
            click(box, IDYES);
        });
        script.onDialog(kToolCaption, [&](HWND box) {
            last = messageBoxText(box);
            click(box, IDOK);
        });
        command(ID_FILE_SAVE);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(question, widen(history_text::kChangedMeanwhile));
    EXPECT_EQ(buttons, 3u);
    EXPECT_EQ(last, L"保存しました");
    EXPECT_NE(bytes().find("; their comment"), std::string::npos);
    EXPECT_EQ(bytes().find("=0555"), std::string::npos) << "the window's origin X is saved";
    const auto versions = FileHistory(historyRoot, localTimeNow).versions(page.file());
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(FileHistory::read(versions[0]), theirs);
}

TEST_F(HistoryWindowTest, TheDialogListsComparesAndLoadsAVersionUnsaved) {
    // Three versions: two fonts changed, the settings shown, one field changed.
    const std::string present = bytes();
    IniDocument twoFonts(withOriginX("0100"));
    twoFonts.write(cp932("ZELバーコード02"), "FontType", "108");
    const LocalTime times[] = {
        {2024, 4, 26, 17, 45, 12}, {2024, 4, 30, 9, 12, 40}, {2024, 5, 1, 10, 30, 0}};
    int kept = 0;
    FileHistory history(historyRoot, [&] { return times[kept++]; });
    for (const std::string& version : {twoFonts.bytes(), present, withOriginX("0321")}) {
        // The newest with the record of who replaced it, the others without.
        if (kept == 2) history.setAuthor({"BYOIN\\田中", "NS-3F-PC01", "dvftool 4.0.0"});
        history.keep(page.file(), version);
    }
    std::vector<std::wstring> listed;
    std::wstring difference, note, shown, tip;
    int comparedAtFirst = -1;
    {
        ModalScript script;
        script.onDialog(kDialogCaption, [&](HWND dialog) {
            for (int n = 0; n < rows(dialog, IDC_HISTORY_LIST); ++n) {
                listed.push_back(row(dialog, IDC_HISTORY_LIST, n));
            }
            comparedAtFirst = rows(dialog, IDC_HISTORY_DIFFERENCES);
            // The tip the list asks for when the mouse rests on the newest row.
            wchar_t buffer[256] = L"?";
            NMLVGETINFOTIPW request{};
            request.hdr = {GetDlgItem(dialog, IDC_HISTORY_LIST), IDC_HISTORY_LIST,
                           static_cast<UINT>(LVN_GETINFOTIPW)};
            request.pszText = buffer;
            request.cchTextMax = 256;
            SendMessageW(dialog, WM_NOTIFY, IDC_HISTORY_LIST, reinterpret_cast<LPARAM>(&request));
            tip = buffer;
            click(dialog, IDC_HISTORY_COMPARE);
        });
        script.when(
            [&]() -> HWND {
                HWND dialog = readyDialog(kDialogCaption);
                return dialog && rows(dialog, IDC_HISTORY_DIFFERENCES) > 0 ? dialog : nullptr;
            },
            [&](HWND dialog) {
                difference = row(dialog, IDC_HISTORY_DIFFERENCES, 0);
                note = text(GetDlgItem(dialog, IDC_HISTORY_NOTE));
                if (!screenshotFolder().empty()) {
                    RedrawWindow(dialog, nullptr, nullptr,
                                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                    Sleep(200);
                    EXPECT_TRUE(
                        saveWindowPicture(dialog, screenshotFolder() / L"history-dialog.bmp"));
                }
                click(dialog, IDOK);
            });
        script.onDialog(kToolCaption, [&](HWND box) {
            shown = messageBoxText(box);
            click(box, IDOK);
        });
        command(ID_FILE_RESTORE_HISTORY);
        EXPECT_TRUE(script.finished());
    }
    const std::wstring size = widen(byteCountText(present.size()));
    EXPECT_EQ(listed, (std::vector<std::wstring>{
                          L"2024-05-01 10:30:00 | BYOIN\\田中 | " + size + L" | 1 フォント",
                          L"2024-04-30 09:12:40 | 不明 | " + size + L" | 違いなし",
                          L"2024-04-26 17:45:12 | 不明 | " + size + L" | 2 フォント"}));
    EXPECT_EQ(tip,
              L"この設定を置き換えたユーザー： BYOIN\\田中\nコンピュータ： NS-3F-PC01\n"
              L"プログラム： dvftool 4.0.0");
    EXPECT_EQ(comparedAtFirst, 0) << "compared before 比較 was pressed";
    EXPECT_EQ(difference, L"ZELバーコード01 | 基点X座標 (originX) | 321 x0.1mm | 40 x0.1mm");
    EXPECT_EQ(note,
              L"2024-05-01 10:30:00 の設定と現在の設定で 1 項目が違います。\n"
              L"置き換えたユーザー： BYOIN\\田中（コンピュータ： NS-3F-PC01、dvftool 4.0.0）");
    EXPECT_EQ(shown, widen(history_text::kVersionShown));
    EXPECT_EQ(page.text(IDC_BC_ORIGIN_X), L"321");
    EXPECT_EQ(bytes(), present) << "nothing is written until the user saves";
}

TEST_F(HistoryWindowTest, APlantedFileIsListedAsUnusableAndNeverLoaded) {
    const FileHistory history(historyRoot, [] { return LocalTime{2024, 5, 1, 10, 30, 0}; });
    ASSERT_TRUE(history.keep(page.file(), withOriginX("0321")).added);
    const std::string planted = withOriginX("0999");
    std::ofstream(history.folderOf(page.file()) / L"settings.dvf", std::ios::binary) << planted;
    const std::wstring unusable =
        L"この以前の設定は使えません。理由： このツールが残したファイルではありません";
    std::vector<std::wstring> listed;
    std::wstring note, told;
    {
        ModalScript script;
        script.onDialog(kDialogCaption, [&](HWND dialog) {
            for (int n = 0; n < rows(dialog, IDC_HISTORY_LIST); ++n) {
                listed.push_back(row(dialog, IDC_HISTORY_LIST, n));
            }
            LVITEMW state{};
            state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(GetDlgItem(dialog, IDC_HISTORY_LIST), LVM_SETITEMSTATE, 1,
                         reinterpret_cast<LPARAM>(&state));
            click(dialog, IDC_HISTORY_COMPARE);
        });
        script.when(
            [&]() -> HWND {
                HWND dialog = readyDialog(kDialogCaption);
                return dialog && text(GetDlgItem(dialog, IDC_HISTORY_NOTE)) == unusable ? dialog
                                                                                        : nullptr;
            },
            [&](HWND dialog) {
                note = text(GetDlgItem(dialog, IDC_HISTORY_NOTE));
                click(dialog, IDOK);
            });
        script.onDialog(kToolCaption, [&](HWND box) {
            told = messageBoxText(box);
            click(box, IDOK);
        });
        command(ID_FILE_RESTORE_HISTORY);
        EXPECT_TRUE(script.finished());
    }
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[1], L"settings.dvf |  | " + widen(byteCountText(planted.size())) +
                             L" | 使えません（別のファイル）");
    EXPECT_EQ(note, unusable);
    EXPECT_EQ(told,
              L"この以前の設定は使えません。\n理由： このツールが残したファイルではありません");
    EXPECT_NE(page.text(IDC_BC_ORIGIN_X), L"999") << "the planted settings are not loaded";
}

}  // namespace
}  // namespace vx::test
