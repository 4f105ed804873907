#include "app/history_restore.h"

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_fields.h"

namespace vx {

namespace history_text {
namespace {

std::string folderAndReason(const HistoryProblem& problem) {
    const std::u8string folder = problem.folder.u8string();
    return "フォルダ： " + std::string(folder.begin(), folder.end()) + "\n理由： " +
           historyReasonJapanese(problem.error);
}

}  // namespace

std::string historyNotKept(const HistoryProblem& problem) {
    return "保存する前の設定ファイルを以前の設定に残せませんでした。\n" + folderAndReason(problem);
}

std::string historyNotUsed(const HistoryProblem& problem) {
    return "以前の設定のフォルダを使えません。\n" + folderAndReason(problem);
}

namespace {

// The list's text of an entry that is not a readable version; the others
// read "読めません".
constexpr std::pair<Unusable, std::string_view> kUnusableShort[] = {
    {Unusable::Link, "使えません（リンク）"},
    {Unusable::NotAVersion, "使えません（別のファイル）"},
    {Unusable::OthersMayChange, "使えません（アクセス許可）"},
};

const std::string_view* unusableText(Unusable reason) {
    for (const auto& [unusable, listed] : kUnusableShort) {
        if (unusable == reason) return &listed;
    }
    return nullptr;
}

}  // namespace

std::string_view unusableShort(Unusable reason) {
    const std::string_view* text = unusableText(reason);
    return text != nullptr ? *text : kUnreadable;
}

std::string unusableMessage(Unusable reason) {
    if (unusableText(reason) == nullptr) return std::string(kVersionUnreadable);
    return "この以前の設定は使えません。\n理由： " + std::string(unusableReason(reason));
}
}  // namespace history_text

HistoryRestore::HistoryRestore(const FileHistory& history, const std::filesystem::path& file,
                               const SettingsStore& shown)
    : shown_(shown) {
    HistoryListing listing = history.list(file);
    problem_ = std::move(listing.problem);
    for (const HistoryVersion& version : listing.entries) {
        std::optional<SettingsStore> settings;
        std::string difference;
        if (version.unusable) {
            difference = history_text::unusableShort(*version.unusable);
        } else {
            loadDriverFontFile(IniDocument(version.contents), settings.emplace());
            const std::size_t fonts = compareFontFields(*settings, shown_, {}).size();
            difference = fonts == 0 ? std::string(history_text::kNoDifference)
                                    : std::to_string(fonts) + " フォント";
        }
        std::string time = version.time;
        if (time.empty()) {
            const std::u8string name = version.file.filename().u8string();
            time.assign(name.begin(), name.end());
        }
        VersionRow row{
            std::move(time), byteCountText(version.bytes), std::move(difference), {}, {}, {}};
        if (!version.unusable) {
            const ChangeAuthor author = version.record ? version.record->author : ChangeAuthor{};
            row.user = shownOrUnknown(author.user);
            row.computer = shownOrUnknown(author.computer);
            row.program = shownOrUnknown(author.program);
        }
        rows_.push_back(std::move(row));
        files_.push_back(version.file);
        versions_.push_back(std::move(settings));
        unusable_.push_back(version.unusable);
    }
}

const SettingsStore* HistoryRestore::settings(std::size_t index) const {
    if (index >= versions_.size() || !versions_[index]) return nullptr;
    return &*versions_[index];
}

std::optional<Unusable> HistoryRestore::unusable(std::size_t index) const {
    if (index >= unusable_.size()) return Unusable::NotAVersion;
    return unusable_[index];
}

std::filesystem::path HistoryRestore::file(std::size_t index) const {
    return index < files_.size() ? files_[index] : std::filesystem::path();
}

std::string HistoryRestore::authorTip(std::size_t index) const {
    if (index >= rows_.size() || unusable_[index]) return {};
    const VersionRow& row = rows_[index];
    return "この設定を置き換えたユーザー： " + row.user + "\nコンピュータ： " + row.computer +
           "\nプログラム： " + row.program;
}

std::string HistoryRestore::authorLine(std::size_t index) const {
    if (index >= rows_.size() || unusable_[index]) return {};
    const VersionRow& row = rows_[index];
    std::string line = "置き換えたユーザー： " + row.user;
    if (row.computer == kUnknownAuthor && row.program == kUnknownAuthor) return line;
    return line + "（コンピュータ： " + row.computer + "、" + row.program + "）";
}

std::vector<DifferenceRow> HistoryRestore::differences(std::size_t index) const {
    std::vector<DifferenceRow> rows;
    const SettingsStore* then = settings(index);
    if (then == nullptr) return rows;
    // In the page's words: label, shown value and unit, beside the name.
    const SettingsStore thenSaved = asSaved(*then);
    const SettingsStore nowSaved = asSaved(shown_);
    for (const FontDifferences& font : compareFontFields(*then, shown_, {})) {
        const std::vector<ShownField> before = shownFields(thenSaved, font.fontName);
        const std::vector<ShownField> after = shownFields(nowSaved, font.fontName);
        for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
            if (before[i].value == after[i].value) continue;
            rows.push_back({utf8FromCp932(font.fontName), labelWithName(after[i]),
                            shownWithUnit(before[i]), shownWithUnit(after[i])});
        }
    }
    return rows;
}

}  // namespace vx
