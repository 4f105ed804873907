// What dvftool tells on standard error (UTF-8), one line per message:
// "dvftool: " and, where the message concerns a file, font, field or
// printer, its name and ": " before the sentence. A usage error is followed
// by one line that points to --help, not by the whole usage.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace vx::dvftool_text {

inline constexpr std::string_view kSeeHelp = "詳しくは dvftool --help を参照してください。";

// Usage errors.
inline constexpr std::string_view kNoCommand = "コマンドが指定されていません。";
inline constexpr std::string_view kNoHistoryToRead =
    "--no-history を付けると、読む以前の設定がありません。";
inline constexpr std::string_view kHistoryOptionsExclude =
    "--history と --no-history は一緒に使えません。";
inline constexpr std::string_view kPrintersOnWindowsOnly =
    "プリンタの一覧は Windows 版でだけ表示できます。";
inline constexpr std::string_view kSetNeedsFontAndField =
    "set にはドライバフォント名と 項目=値 が必要です。";
inline constexpr std::string_view kSetJsonTakesNoMore =
    "set --json には、ドライバフォント名や 項目=値 を付けられません。";
inline constexpr std::string_view kFieldsTakesOneFont =
    "ファイルを付けない fields に付けられるドライバフォント名は一つだけです。";
inline constexpr std::string_view kPreviewNeedsFont =
    "preview にはファイルとドライバフォント名が必要です。";
inline constexpr std::string_view kPreviewNeedsOutput =
    "preview には -o で SVG ファイルの名前が必要です。";
inline constexpr std::string_view kReportNeedsOutput =
    "report には -o で設定一覧の HTML ファイルの名前が必要です。";
inline constexpr std::string_view kRestoreNeedsNumber =
    "restore にはファイルと以前の設定の番号が必要です。";
// Said of the argument concerned.
inline constexpr std::string_view kUnknownCommand = "このコマンドはありません。";
inline constexpr std::string_view kOptionNotAccepted = "このコマンドでは使えないオプションです。";
inline constexpr std::string_view kOptionNeedsValue = "このオプションの後に値が必要です。";
inline constexpr std::string_view kOptionOnlyOnce = "このオプションは 1 回だけ指定できます。";
inline constexpr std::string_view kDpiOutOfRange = "解像度は 50〜2400 の整数で指定してください。";
inline constexpr std::string_view kTooManyArguments = "余分な引数です。";
inline constexpr std::string_view kPrinterOnWindowsOnly =
    "プリンタを名前で指定できるのは Windows 版だけです。";
inline constexpr std::string_view kUnknownFont = "この名前のドライバフォントはありません。";
inline constexpr std::string_view kNotAnAssignment = "項目=値 の形で指定してください。";
inline constexpr std::string_view kNotAVersionNumber =
    "以前の設定は history が表示する番号で指定してください。";
// Said of the command when the operand that its usage calls `which` is
// missing: "diff: ファイル B が指定されていません。"
std::string operandMissing(std::string_view which);

// Said of a file (as the user named it).
inline constexpr std::string_view kSaved = "保存しました。";
inline constexpr std::string_view kSaveFailed = "保存できませんでした。";
inline constexpr std::string_view kFileNotFound = "ファイルが見つかりません。";
inline constexpr std::string_view kNotAFile = "ファイルではありません（フォルダなど）。";
inline constexpr std::string_view kFileUnreadable = "ファイルを読み込めません。";
inline constexpr std::string_view kFileTooLarge =
    "16 MiB より大きいファイルは、ドライバフォントファイルとして扱いません。";
inline constexpr std::string_view kNotDriverFontFile =
    "ドライバフォントファイルではありません（[DVF] に Version がありません）。";
inline constexpr std::string_view kSavedAsUtf8 =
    "フォント名が UTF-8 で書かれています。設定ファイルを Shift-JIS で保存し直してください。";
inline constexpr std::string_view kSavingElsewhere =
    "ほかのプログラムが保存しているため、保存できませんでした。何も書き込んでいません。";
inline constexpr std::string_view kJsonUnreadable = "JSON ファイルを読み込めません。";
inline constexpr std::string_view kOutputUnwritable = "ファイルに書き込めません。";
inline constexpr std::string_view kReportOverDriverFontFile =
    "設定ファイルと同じファイルには設定一覧を書き込めません。";
inline constexpr std::string_view kPreviewOverDriverFontFile =
    "設定ファイルと同じファイルには SVG を書き込めません。";
inline constexpr std::string_view kReportUnwritable = "設定一覧を書き込めませんでした。";
// Said of a printer.
inline constexpr std::string_view kPrinterUnavailable = "プリンタを開けません。";
inline constexpr std::string_view kPrinterInfoUnreadable = "プリンタの情報を読み込めません。";
inline constexpr std::string_view kPrintersUnlisted = "プリンタの一覧を取得できません。";
// Said of the command.
inline constexpr std::string_view kOutOfMemory = "メモリが足りないため、コマンドを中止しました。";
inline constexpr std::string_view kOutputFailed =
    "標準出力に書き込めませんでした（ディスクがいっぱい、出力先が閉じている、など）。"
    "出力は不完全です。";

// `text` (UTF-8) with its control characters shown as escapes ("\n", "\t",
// "\x1b", "\u009b"), so that what a file, a name or a value holds can
// neither break a message into lines nor reach the terminal as a command.
std::string escapedControls(std::string_view text);

// Writes "dvftool: <about>: <sentence>" (or "dvftool: <sentence>" without
// `about`) and a line break, control characters escaped.
void tell(std::ostream& err, std::string_view about, std::string_view sentence);
void tell(std::ostream& err, std::string_view sentence);

}  // namespace vx::dvftool_text
