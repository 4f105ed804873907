// The history of a driver font file in the spooler's driver folder, in the
// real main window under Wine, as the demo runs it. Wine keeps no access
// lists, so the machine's history folder is refused: without the option
// every save says so after 保存しました, naming the folder that was refused.
// With `--history DIR` (read from a command line as the program reads its
// own) a save shows its two boxes only, and 以前の設定に戻す lists the
// version kept and puts it back.
#include <windows.h>
// The list view needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/history_restore.h"
#include "history/history_location.h"
#include "history/history_option.h"
#include "resources/resource.h"
#include "settings/driver_font_file.h"
#include "settings/font_fields.h"
#include "tests/app_win32_shell/shell_fixture.h"
#include "tests/printer/fake_spooler.h"
#include "tests/printer/win32/modal_script.h"
#include "ui/win32/dialog.h"

namespace vx::test {
namespace {

const std::wstring kHistoryCaption = L"以前の設定に戻す";

class DemoHistoryTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(canCreateWindows()) << "needs an X display (DISPLAY, e.g. Xvfb)";
        const HistoryPlaces places = defaultHistoryPlaces();
        ASSERT_FALSE(places.driverFolder.empty());
        ASSERT_FALSE(places.machine.empty());
        machineFolder = places.machine.base / places.machine.below.begin()->native();
        driverFolder = places.driverFolder / (L"vx-demo-history-" + processTag());
        ASSERT_TRUE(CreateDirectoryW(driverFolder.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        harness.driverFontFile = driverFolder / L"ALTOD.DVF";
        writeBytes(harness.driverFontFile, original);
        ASSERT_TRUE(harness.open());
    }
    void TearDown() override {
        harness.window.reset();
        pumpMessages();
        std::error_code ignored;
        std::filesystem::remove_all(driverFolder, ignored);
    }

    HWND originX() const {
        return GetDlgItem(harness.window->pageWindow(PageKind::Barcode), IDC_BC_ORIGIN_X);
    }
    void command(int id) {
        SendMessageW(harness.window->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        pumpMessages(harness.window.get());
    }
    // Saves, answering every box of the tool with OK; their texts in order.
    // The boxes of a save are shown while the command runs.
    std::vector<std::wstring> save() {
        std::vector<std::wstring> boxes;
        ModalScript script;
        for (int i = 0; i < 4; ++i) {
            script.onDialog(kToolCaption, [&](HWND box) {
                boxes.push_back(messageBoxText(box));
                click(box, IDOK);
            });
        }
        command(ID_FILE_SAVE);
        return boxes;
    }

    // The fonts in which the file's settings differ from the original's.
    std::size_t fontsChanged() const {
        SettingsStore now, before;
        loadDriverFontFile(IniDocument(readBytes(harness.driverFontFile)), now);
        loadDriverFontFile(IniDocument(original), before);
        return compareFontFields(before, now, {}).size();
    }

    FakeSpooler spooler;
    ShellHarness harness{spooler};
    // The demo label printer's file.
    const std::string original = readBytes(std::filesystem::path(VX_DEMO_DIR) / "ALTOD.DVF");
    std::filesystem::path driverFolder;
    std::filesystem::path machineFolder;  // %ProgramData%\VXDrvFontTool
};

TEST_F(DemoHistoryTest, WithoutTheOptionEverySaveSaysWhichFolderWasRefused) {
    SetWindowTextW(originX(), L"321");
    const std::vector<std::wstring> boxes = save();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0], L"保存しますか？");
    EXPECT_EQ(boxes[1], L"保存しました");
    // The tool's own folder is refused, not the file's folder two below it.
    const std::wstring named = L"フォルダ： " + machineFolder.wstring() + L"\n";
    EXPECT_EQ(boxes[2].rfind(L"保存する前の設定ファイルを以前の設定に残せませんでした。\n", 0), 0u)
        << boxes[2];
    EXPECT_NE(boxes[2].find(named), std::wstring::npos) << boxes[2];
    EXPECT_NE(readBytes(harness.driverFontFile), original) << "the save went on";
}

TEST_F(DemoHistoryTest, WithTheOptionASaveIsKeptAndPutBack) {
    const std::filesystem::path folder = harness.directory.path() / L"demo-history";
    const HistoryFolderOption option =
        historyFolderOption("VXDrvFontTool.exe --history \"" + narrow(folder.wstring()) + "\"");
    ASSERT_TRUE(option.folder);
    harness.window->logic().setHistory(historyInFolder(*option.folder));

    const std::wstring shownBefore = text(originX());
    ASSERT_EQ(shownBefore, L"40");
    SetWindowTextW(originX(), L"321");
    EXPECT_EQ(save(), (std::vector<std::wstring>{L"保存しますか？", L"保存しました"}));
    const std::string saved = readBytes(harness.driverFontFile);
    EXPECT_EQ(fontsChanged(), 1u);
    const std::vector<HistoryVersion> kept =
        FileHistory(folder, localTimeNow).versions(harness.driverFontFile);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(FileHistory::read(kept[0]), original);

    int listed = -1;
    std::wstring told;
    {
        ModalScript script;
        script.onDialog(kHistoryCaption, [&](HWND dialog) {
            listed = static_cast<int>(
                SendMessageW(GetDlgItem(dialog, IDC_HISTORY_LIST), LVM_GETITEMCOUNT, 0, 0));
            click(dialog, IDOK);  // the newest, chosen to begin with
        });
        script.onDialog(kToolCaption, [&](HWND box) {
            told = messageBoxText(box);
            click(box, IDOK);
        });
        command(ID_FILE_RESTORE_HISTORY);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(listed, 1);
    EXPECT_EQ(told, widen(history_text::kVersionShown));
    EXPECT_EQ(text(originX()), shownBefore);
    EXPECT_EQ(readBytes(harness.driverFontFile), saved) << "nothing is written until a save";

    EXPECT_EQ(save(), (std::vector<std::wstring>{L"保存しますか？", L"保存しました"}));
    EXPECT_EQ(fontsChanged(), 0u) << "the version put back is saved";
    EXPECT_EQ(FileHistory(folder, localTimeNow).versions(harness.driverFontFile).size(), 2u);
}

}  // namespace
}  // namespace vx::test
