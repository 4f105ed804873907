// The history in the real main window under Wine: the question when
// someone else saved the file (real message boxes, each answer), and the
// dialog that lists, compares and loads an earlier version. With
// VX_SCREENSHOT_DIR set, a picture of the dialog (history-dialog.bmp).
#include <windows.h>
// The list view needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/history_restore.h"
#include "history/history_location.h"
#include "resources/resource.h"
#include "settings/codepage.h"
#include "settings/ini_document.h"
#include "tests/app_win32/window_picture.h"
#include "tests/printer/win32/modal_script.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

const std::wstring kToolCaption = L"内蔵フォント設定ツール";
const std::wstring kDialogCaption = L"以前の設定に戻す";
constexpr char kOriginKey[] = "XBpb1pb2pb3pb4";

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// The file with the first barcode font's origin X changed.
std::string withOriginX(const fs::path& file, const char* value) {
    IniDocument document(bytesOf(file));
    document.write(cp932("ZELバーコード01"), kOriginKey, value);
    return document.bytes();
}

std::vector<std::wstring> listRow(HWND list, int row) {
    std::vector<std::wstring> cells;
    const int columns = static_cast<int>(SendMessageW(
        reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        cells.emplace_back(text);
    }
    return cells;
}

int rowCount(HWND dialog, int listId) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, listId), LVM_GETITEMCOUNT, 0, 0));
}

class HistoryWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.opened()) << "the main window did not open (is DISPLAY set?)";
        page.window().logic().setHistoryRoot(historyRoot, localTimeNow);
    }
    void command(int id) {
        SendMessageW(page.window().hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        page.pump();
    }
    std::vector<std::string> kept() const {
        std::vector<std::string> bytes;
        for (const HistoryVersion& version :
             FileHistory(historyRoot, localTimeNow).versions(page.file())) {
            bytes.push_back(FileHistory::read(version).value_or("<unreadable>"));
        }
        return bytes;
    }

    FontPageWindow page{PageKind::Barcode};
    const fs::path historyRoot = page.file().parent_path() / L"history";
};

TEST_F(HistoryWindowTest, SomeoneElsesSaveIsAskedAboutAndEachAnswerDoesWhatItSays) {
    struct Case {
        int button;
        std::wstring lastMessage;  // after the question
        bool fileIsTheirs;
        std::wstring originShown;
    };
    const Case cases[] = {
        {IDYES, L"保存しました", false, L"40"},
        {IDNO, L"設定ファイルを読み込み直しました。", true, L"555"},
        {IDCANCEL, L"", true, L"555"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const std::string theirs = withOriginX(page.file(), "0555") + "; their comment\r\n";
        writeFile(page.file(), theirs);  // behind the window's back
        std::wstring question, last;
        std::size_t buttons = 0;
        HICON icon = nullptr;
        {
            ModalScript script;
            script.onDialog(kToolCaption, [](HWND box) { click(box, IDOK); });
            script.onDialog(kToolCaption, [&](HWND box) {
                question = messageBoxText(box);
                buttons = messageBoxButtons(box).size();
                icon = messageBoxIcon(box);
                click(box, c.button);
            });
            if (c.button != IDCANCEL) {
                script.onDialog(kToolCaption, [&](HWND box) {
                    last = messageBoxText(box);
                    click(box, IDOK);
                });
            }
            command(ID_FILE_SAVE);
            EXPECT_TRUE(script.finished());
        }
        EXPECT_EQ(question, widen(history_text::kChangedMeanwhile));
        EXPECT_EQ(buttons, 3u);
        EXPECT_NE(icon, nullptr);
        EXPECT_EQ(last, c.lastMessage);
        const std::string after = bytesOf(page.file());
        EXPECT_EQ(after == theirs, c.fileIsTheirs);
        EXPECT_NE(after.find("; their comment"), std::string::npos);
        EXPECT_EQ(page.text(IDC_BC_ORIGIN_X), c.originShown);
        // Overwriting keeps their save as the newest version.
        EXPECT_EQ(!kept().empty() && kept()[0] == theirs, c.button == IDYES);
    }
}

TEST_F(HistoryWindowTest, TheDialogListsComparesAndLoadsAVersionUnsaved) {
    const std::string present = bytesOf(page.file());
    const std::string older = withOriginX(page.file(), "0321");
    // Three versions: two fonts changed, the settings shown, one field changed.
    IniDocument twoFonts(withOriginX(page.file(), "0100"));
    twoFonts.write(cp932("ZELバーコード02"), "FontType", "108");
    const LocalTime times[] = {
        {2024, 4, 26, 17, 45, 12}, {2024, 4, 30, 9, 12, 40}, {2024, 5, 1, 10, 30, 0}};
    int kept = 0;
    const FileHistory history(historyRoot, [&] { return times[kept++]; });
    for (const std::string& bytes : {twoFonts.bytes(), present, older}) {
        history.keep(page.file(), bytes);
    }
    const fs::path pictures = screenshotFolder();

    std::vector<std::wstring> row, middle, oldest, difference;
    std::wstring note, shown;
    int differences = -1, rows = 0;
    {
        ModalScript script;
        script.onDialog(kDialogCaption, [&](HWND dialog) {
            rows = rowCount(dialog, IDC_HISTORY_LIST);
            row = listRow(GetDlgItem(dialog, IDC_HISTORY_LIST), 0);
            middle = listRow(GetDlgItem(dialog, IDC_HISTORY_LIST), 1);
            oldest = listRow(GetDlgItem(dialog, IDC_HISTORY_LIST), 2);
            differences = rowCount(dialog, IDC_HISTORY_DIFFERENCES);
            click(dialog, IDC_HISTORY_COMPARE);
        });
        script.when(
            [&]() -> HWND {
                HWND dialog = readyDialog(kDialogCaption);
                return dialog != nullptr && rowCount(dialog, IDC_HISTORY_DIFFERENCES) > 0 ? dialog
                                                                                          : nullptr;
            },
            [&](HWND dialog) {
                difference = listRow(GetDlgItem(dialog, IDC_HISTORY_DIFFERENCES), 0);
                note = text(GetDlgItem(dialog, IDC_HISTORY_NOTE));
                if (!pictures.empty()) {
                    RedrawWindow(
                        dialog, nullptr, nullptr,
                        RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                    Sleep(200);
                    EXPECT_TRUE(saveWindowPicture(dialog, pictures / L"history-dialog.bmp"));
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
    EXPECT_EQ(differences, 0) << "compared before 比較 was pressed";
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(middle.at(0) + L" " + middle.at(2), L"2024-04-30 09:12:40 違いなし");
    EXPECT_EQ(oldest.at(0) + L" " + oldest.at(2), L"2024-04-26 17:45:12 2 フォント");
    EXPECT_EQ(row, (std::vector<std::wstring>{L"2024-05-01 10:30:00",
                                              widen(byteCountText(older.size())), L"1 フォント"}));
    EXPECT_EQ(difference,
              (std::vector<std::wstring>{L"ZELバーコード01", L"originX", L"0321", L"0040"}));
    EXPECT_EQ(note, L"2024-05-01 10:30:00 の設定と現在の設定で 1 項目が違います。");
    EXPECT_EQ(shown, widen(history_text::kVersionShown));
    EXPECT_EQ(page.text(IDC_BC_ORIGIN_X), L"321");
    EXPECT_EQ(bytesOf(page.file()), present) << "nothing is written until the user saves";
}

TEST_F(HistoryWindowTest, CancelInTheDialogChangesNothing) {
    FileHistory(historyRoot, localTimeNow).keep(page.file(), withOriginX(page.file(), "0321"));
    {
        ModalScript script;
        script.onDialog(kDialogCaption, [](HWND dialog) { click(dialog, IDCANCEL); });
        command(ID_FILE_RESTORE_HISTORY);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(page.text(IDC_BC_ORIGIN_X), L"40");
}

}  // namespace
}  // namespace vx::test
