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

// Saves not even tried; the file is as it was.
inline constexpr std::string_view kLinkRefusedText =
    "設定ファイルがシンボリックリンクのため、保存しませんでした（リンクを通しては保存しません）。"
    "リンクの指す先のファイルを指定するか、リンクをそのファイルで置き換えてから保存してください。"
    "設定ファイルには何も書き込んでいません。";
inline constexpr std::string_view kTooLargeToSaveText =
    "保存すると設定ファイルが 16 MiB を超えるため、保存しませんでした。"
    "設定ファイルには何も書き込んでいません。";
inline constexpr std::string_view kLockLostText =
    "保存している間にロックファイルが削除されたため、ほかの保存と重ならないよう保存しませんでした。"
    "設定ファイルには何も書き込んでいません。もう一度保存してください。";
// The file was replaced, but the disk did not confirm it.
inline constexpr std::string_view kNotConfirmedText =
    "設定ファイルに新しい設定を書き込みましたが、ディスクへの書き込みを確認できませんでした"
    "（フォルダを同期できませんでした）。停電などで失われることがあります。"
    "ディスクの状態を確認してから、もう一度保存してください。";

}  // namespace vx
