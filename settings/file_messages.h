// What the window and dvftool both tell the user about saving and checking
// a driver font file (UTF-8). The window adds, where the program then ends,
// that it ends.
#pragma once

#include <string_view>

namespace vx {

inline constexpr std::string_view kSavedMessage = "保存しました";
inline constexpr std::string_view kSaveFailedMessage = "保存できませんでした";
inline constexpr std::string_view kVersionMismatchText = "バージョンが一致しません。";
inline constexpr std::string_view kSavedAsUtf8Text =
    "設定ファイルが Shift-JIS で保存されていません（フォント名が UTF-8 です）。\n"
    "設定ファイルを Shift-JIS で保存し直してください。";
inline constexpr std::string_view kSavingElsewhereText =
    "ほかのプログラムが設定ファイルを保存しているため、保存できませんでした。\n"
    "しばらくしてから、もう一度保存してください。";

}  // namespace vx
