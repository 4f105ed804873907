// What the window offers to put back: the bound file's kept versions,
// newest first, each compared with the settings shown, and whatever else
// lies in its history folder, listed as unusable and never loaded.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/file_history.h"
#include "report/file_facts.h"
#include "settings/settings_store.h"

namespace vx {

// One line of the list of versions (UTF-8).
struct VersionRow {
    std::string time;  // "YYYY-MM-DD HH:MM:SS"; an unusable entry's file name without one
    std::string size;  // "18,541 バイト"
    std::string difference;  // "3 フォント", "違いなし", "読めません", "使えません（リンク）"
    // Who replaced the version (its record): "DOMAIN\name", the computer,
    // the program; "不明" without a record, empty for an unusable entry.
    std::string user, computer, program;
};

// One field that differs between a version and the settings shown (UTF-8),
// in the page's words: its label with dvftool's name for it beside it
// ("基点X座標 (originX)"), the values as the page shows them with their
// units ("321 x0.1mm").
struct DifferenceRow {
    std::string font, field, then, now;
};

class HistoryRestore {
public:
    HistoryRestore(const FileHistory& history, const std::filesystem::path& file,
                   const SettingsStore& shown);

    bool empty() const { return rows_.empty(); }
    const std::vector<VersionRow>& rows() const { return rows_; }
    // Set when the history folder itself is not used (a link, or not the
    // administrators' alone); then nothing is listed.
    const std::optional<HistoryProblem>& problem() const { return problem_; }
    // The settings of a version; null for an unusable entry.
    const SettingsStore* settings(std::size_t index) const;
    // Why an entry is unusable; nullopt for a usable version.
    std::optional<Unusable> unusable(std::size_t index) const;
    // The fields in which a version differs from the settings shown.
    std::vector<DifferenceRow> differences(std::size_t index) const;
    // The file of an entry (the version's, for the events of a restore).
    std::filesystem::path file(std::size_t index) const;
    // Who replaced a version, in lines (the list's tip), and in one line
    // (above a comparison); empty for an unusable entry.
    std::string authorTip(std::size_t index) const;
    std::string authorLine(std::size_t index) const;

private:
    SettingsStore shown_;
    std::vector<VersionRow> rows_;
    std::vector<std::optional<SettingsStore>> versions_;
    std::vector<std::optional<Unusable>> unusable_;
    std::vector<std::filesystem::path> files_;
    std::optional<HistoryProblem> problem_;
};

// The dialog that lists the versions: the index of the one chosen with OK,
// or nothing when the user cancels.
class VersionChooser {
public:
    virtual ~VersionChooser() = default;
    virtual std::optional<std::size_t> choose(const HistoryRestore& offer) = 0;
};

// The texts of the history's messages in the window (UTF-8).
namespace history_text {
inline constexpr std::string_view kNoVersions =
    "以前の設定はまだありません。\n設定を保存するたびに、保存する前の設定ファイルが残ります。";
inline constexpr std::string_view kVersionShown =
    "以前の設定を表示しました。\n保存するまで設定ファイルは変わりません。";
inline constexpr std::string_view kVersionUnreadable = "この以前の設定は読み込めません。";
inline constexpr std::string_view kChangedMeanwhile =
    "設定ファイルは、読み込んだ後に別のコンピュータまたはプログラムで変更されています。\n"
    "上書きして保存しますか？\n\n"
    "はい：上書きして保存します（その変更は以前の設定に残ります）。\n"
    "いいえ：設定ファイルを読み込み直します（ここでの変更は失われます）。\n"
    "キャンセル：保存しません。";
inline constexpr std::string_view kReloaded = "設定ファイルを読み込み直しました。";
inline constexpr std::string_view kNoDifference = "違いなし";
inline constexpr std::string_view kUnreadable = "読めません";
// The message after a save whose previous file could not be kept.
std::string historyNotKept(const HistoryProblem& problem);
// The message when the history folder is not used.
std::string historyNotUsed(const HistoryProblem& problem);
// The list's text for an unusable entry, and the message when it is chosen.
std::string_view unusableShort(Unusable reason);
std::string unusableMessage(Unusable reason);
}  // namespace history_text

}  // namespace vx
