// The commands of the main window: binding a printer, saving, ending,
// switching pages, help, factory settings and the test print.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "app/history_restore.h"
#include "app/main_window_ports.h"
#include "app/sheet_command.h"
#include "events/change_event.h"
#include "history/history_save.h"
#include "pages/setting_page.h"
#include "settings/file_check.h"
#include "settings/file_messages.h"
#include "settings/settings_store.h"

namespace vx {

class IniDocument;

// The result of the save command. Withheld: someone else saved the file
// meanwhile and the user kept the window's edits without saving them.
enum class SaveCommandResult { Declined, Saved, Failed, Withheld };

class MainWindowLogic {
public:
    // Turns a printer name into its driver name and driver font file.
    using Locator = std::function<LocateResult(const std::string& printerName)>;

    MainWindowLogic(SettingsStore& store, std::array<SettingPage*, kPageCount> pages,
                    MainWindowView& view, MessageBoxes& messages, PrinterChooser& chooser,
                    Locator locator, HelpViewer& help, LabelPrinter& printer);

    // Binds a printer while the window is not yet shown; a cancel or a fatal
    // condition closes the window.
    void initialise();

    void choosePrinterDriver();
    SaveCommandResult saveSettings();
    void confirmExit();
    // From a command: selects the tab too. From the tab control: fromTab.
    // The page is whole and filled before it shows.
    void selectPage(PageKind page, bool fromTab = false);
    void openHelp();
    void factorySettings();
    void testPrint();
    // Loads an earlier version of the bound file into the pages, unsaved.
    void restoreFromHistory();
    // Saves the settings sheet of the bound file with what the pages show,
    // unsaved values included; nothing is stored into the settings.
    void saveSettingsSheet(SheetPorts& ports);

    void setHelpFile(std::filesystem::path helpFile) { helpFile_ = std::move(helpFile); }
    // The pages, once the window has created them.
    void setPages(std::array<SettingPage*, kPageCount> pages) { pages_ = pages; }
    // Where saves keep the file's previous bytes (nowhere until set): one
    // folder, or the places of the system's histories; and the dialog that
    // offers them back.
    void setHistoryRoot(std::filesystem::path root, FileHistory::Clock clock);
    void setHistoryPlaces(HistoryPlaces places, FileHistory::Clock clock);
    void setHistory(FileHistory history) { history_.emplace(std::move(history)); }
    void setVersionChooser(VersionChooser* chooser) { versionChooser_ = chooser; }
    // Who saves (kept in the record of each version a save keeps) and where
    // each save's, restore's and refused save's event goes (nowhere until set).
    void setChangeRecording(EventWriter* events, ChangeAuthor author);

    const std::string& printerName() const { return printerName_; }
    const std::string& driverName() const { return driverName_; }
    const std::filesystem::path& driverFontFilePath() const { return driverFontFilePath_; }

private:
    void endWithMessage(std::string_view text);
    // The store holds new records: no page shows them yet.
    void load(const IniDocument& file);
    void loadFactoryState();
    // Shows the page alone, first making it whole and filling it from the
    // store unless it shows the store's records already.
    void bringToFront(int page);
    // Moves what the filled pages show into the store.
    void storeFilledPages();
    // The save after the user's yes: the pages stored, the file replaced
    // under its lock unless someone else saved it meanwhile.
    SaveCommandResult saveNow();
    SaveCommandResult reportSave(const HistorySave& save);
    // Loads the file as someone else saved it; false when it is no longer
    // a file that may be edited (nothing changes then).
    bool reload(const std::string& bytes);
    // Whether anything shown differs from the file as loaded or saved.
    bool holdsUnsavedEdits();
    // Before another binding replaces the settings: asks what becomes of
    // unsaved edits. False when the binding is to stay.
    bool settleEditsBeforeRebinding();
    // The message that refuses a file which may not be edited.
    void refuseFile(FileCheck check);
    // The history a save keeps the file's bytes in, with who saves.
    const FileHistory* savingHistory();
    // The event of a save's outcome; of a save the user withheld.
    void recordSave(const HistorySave& save);
    void recordWithheld();
    ChangeEvent changeEvent(ChangeEventKind kind) const;

    SettingsStore& store_;
    std::array<SettingPage*, kPageCount> pages_;
    MainWindowView& view_;
    MessageBoxes& messages_;
    PrinterChooser& chooser_;
    Locator locator_;
    HelpViewer& help_;
    LabelPrinter& printer_;

    bool initialising_ = false;
    int front_ = 0;  // the page shown
    // The pages filled since the store was last loaded. Only these hold
    // anything to store: the others are filled when they come to the front.
    std::array<bool, kPageCount> filled_{};
    std::string printerName_;  // UTF-8
    std::string driverName_;   // code page 932
    std::filesystem::path driverFontFilePath_;
    std::filesystem::path helpFile_;
    std::optional<FileHistory> history_;
    VersionChooser* versionChooser_ = nullptr;
    // The file's bytes as loaded or last saved, to notice another's save.
    std::optional<std::string> loadedBytes_;
    // The store was replaced as a whole (factory settings, an earlier
    // version) since the file was loaded or saved.
    bool storeReplaced_ = false;
    EventWriter* events_ = nullptr;
    ChangeAuthor author_;
    // The version shown since it was loaded from the history: the next
    // save puts it back.
    std::optional<std::filesystem::path> restoredVersion_;
};

// The texts of the main window's message boxes (UTF-8).
namespace main_window_text {
inline constexpr std::string_view kProgramEnds = "\nプログラムを終了します。";
inline const std::string kNoDriverFontFile =
    std::string(kNoDriverFontFileText) + kProgramEnds.data();
inline const std::string kVersionMismatch = std::string(kVersionMismatchText) + kProgramEnds.data();
inline constexpr std::string_view kConfirmSave = "保存しますか？";
inline constexpr std::string_view kConfirmExit =
    "内蔵フォント設定ツールを終了する前に、設定ファイルへ保存しますか？";
inline constexpr std::string_view kHelpNotFound = "ヘルプファイルが見つかりません。";
inline constexpr std::string_view kConfirmFactory =
    "現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？";
inline constexpr std::string_view kFactoryShown = "工場出荷設定値を表示しました。";
inline constexpr std::string_view kConfirmTestPrint =
    "テスト印刷を行います。\n装置に添付のテスト用ラベルをセットしてください。";
inline const std::string kSavedAsUtf8 = std::string(kSavedAsUtf8Text) + kProgramEnds.data();
inline constexpr std::string_view kConfirmRebind =
    "設定が変更されています。\n"
    "プリンタドライバを切り替える前に、変更を設定ファイルへ保存しますか？\n\n"
    "はい：保存してから、選んだプリンタドライバの設定を読み込みます。\n"
    "いいえ：変更を破棄して、選んだプリンタドライバの設定を読み込みます。\n"
    "キャンセル：プリンタドライバを切り替えず、変更もそのまま残します。";
}  // namespace main_window_text

}  // namespace vx
