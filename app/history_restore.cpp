#include "app/history_restore.h"

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_fields.h"

namespace vx {

std::string byteCountText(std::uintmax_t bytes) {
    std::string digits = std::to_string(bytes);
    for (std::size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, ",");
    return digits + " バイト";
}

namespace history_text {
std::string historyNotKept(const HistoryProblem& problem) {
    const std::u8string folder = problem.folder.u8string();
    return "保存する前の設定ファイルを以前の設定に残せませんでした。\n" +
           std::string("フォルダ： ") + std::string(folder.begin(), folder.end()) + "\n理由： " +
           historyReasonJapanese(problem.error);
}
}  // namespace history_text

HistoryRestore::HistoryRestore(const FileHistory& history, const std::filesystem::path& file,
                               const SettingsStore& shown)
    : shown_(shown) {
    for (const HistoryVersion& version : history.versions(file)) {
        std::optional<SettingsStore> settings;
        if (std::optional<std::string> bytes = FileHistory::read(version)) {
            const IniDocument document(std::move(*bytes));
            if (isSupportedFileVersion(document)) loadDriverFontFile(document, settings.emplace());
        }
        std::string difference(history_text::kUnreadable);
        if (settings) {
            const std::size_t fonts = compareFontFields(*settings, shown_, {}).size();
            difference = fonts == 0 ? std::string(history_text::kNoDifference)
                                    : std::to_string(fonts) + " フォント";
        }
        rows_.push_back({version.time, byteCountText(version.bytes), std::move(difference)});
        versions_.push_back(std::move(settings));
    }
}

const SettingsStore* HistoryRestore::settings(std::size_t index) const {
    if (index >= versions_.size() || !versions_[index]) return nullptr;
    return &*versions_[index];
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
