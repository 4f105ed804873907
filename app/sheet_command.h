// ファイル → 設定一覧を保存: the settings sheet of the bound driver font file
// as it is on disk, with the values the pages show (unsaved ones included,
// said at the top), saved where the user chooses and then, if the user
// wishes, opened in the default browser.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_window_ports.h"
#include "report/settings_sheet.h"
#include "settings/settings_store.h"

namespace vx {

// The file the user names, and which sheet: the whole one, or its summary
// (the file type chosen in the save dialog).
struct SheetChoice {
    std::filesystem::path file;
    SheetForm form = SheetForm::Full;
};

// What the window offers the command.
class SheetPorts {
public:
    virtual ~SheetPorts() = default;
    // The file the user names in a save dialog for HTML files, offered
    // `suggestedName` (UTF-8), and the sheet chosen; nothing when the user
    // cancels.
    virtual std::optional<SheetChoice> chooseSheetFile(const std::string& suggestedName) = 0;
    // Opens the file in the default browser; false when nothing opened it.
    virtual bool openInBrowser(const std::filesystem::path& file) = 0;
};

struct SheetSubject {
    std::filesystem::path driverFontFile;  // empty when no file is bound
    std::string printer;                   // UTF-8
    std::string driver;                    // UTF-8
    double dpi = 305;                      // the printer's resolution
    const SettingsStore* shown = nullptr;  // what the pages show
};

void saveSettingsSheet(const SheetSubject& subject, SheetPorts& ports, MessageBoxes& messages);

// The name the save dialog offers: "設定一覧_<printer>.html", with what a
// file name may not hold replaced by "_".
std::string suggestedSheetName(const std::string& printer);

// The texts of the command's message boxes (UTF-8).
namespace sheet_text {
inline constexpr std::string_view kNoFile =
    "プリンタドライバの設定ファイルがないため、設定一覧を保存できません。";
inline constexpr std::string_view kFileUnreadable =
    "設定ファイルを読み込めないため、設定一覧を保存できませんでした。";
inline constexpr std::string_view kNotOverDriverFontFile =
    "設定ファイルに設定一覧を上書きすることはできません。\n別のファイル名を指定してください。";
inline constexpr std::string_view kSaveFailed = "設定一覧を保存できませんでした。\n";
inline constexpr std::string_view kSavedOpen = "設定一覧を保存しました。\nブラウザで開きますか？";
inline constexpr std::string_view kNotOpened = "設定一覧をブラウザで開けませんでした。\n";
}  // namespace sheet_text

}  // namespace vx
