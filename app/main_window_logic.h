// The commands of the main window: binding a printer, saving, ending,
// switching pages, help, factory settings and the test print.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "app/main_window_ports.h"
#include "pages/setting_page.h"
#include "settings/file_messages.h"
#include "settings/settings_store.h"

namespace vx {

// The result of the save command.
enum class SaveCommandResult { Declined, Saved, Failed };

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
    void selectPage(PageKind page, bool fromTab = false);
    void openHelp();
    void factorySettings();
    void testPrint();

    void setHelpFile(std::filesystem::path helpFile) { helpFile_ = std::move(helpFile); }
    // The pages, once the window has created them.
    void setPages(std::array<SettingPage*, kPageCount> pages) { pages_ = pages; }

    const std::string& printerName() const { return printerName_; }
    const std::string& driverName() const { return driverName_; }
    const std::filesystem::path& driverFontFilePath() const { return driverFontFilePath_; }

private:
    void endWithMessage(std::string_view text);
    // Makes the page whole, then fills it from the store.
    void showPage(int page);
    void showAllPages();
    void loadFactoryState();

    SettingsStore& store_;
    std::array<SettingPage*, kPageCount> pages_;
    MainWindowView& view_;
    MessageBoxes& messages_;
    PrinterChooser& chooser_;
    Locator locator_;
    HelpViewer& help_;
    LabelPrinter& printer_;

    bool initialising_ = false;
    std::string printerName_;  // UTF-8
    std::string driverName_;   // code page 932
    std::filesystem::path driverFontFilePath_;
    std::filesystem::path helpFile_;
};

// The texts of the main window's message boxes (UTF-8).
namespace main_window_text {
inline constexpr std::string_view kProgramEnds = "\nプログラムを終了します。";
inline const std::string kNoDriverFontFile = std::string(kNoDriverFontFileText) + kProgramEnds.data();
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
}  // namespace main_window_text

}  // namespace vx
