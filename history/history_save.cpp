#include "history/history_save.h"

#include "settings/driver_font_file.h"
#include "settings/file_io.h"

namespace vx {

HistoryReplace replaceKeepingHistory(const std::filesystem::path& path, std::string_view present,
                                     std::string_view bytes, const FileHistory* history) {
    HistoryReplace result;
    FileHistory::Kept kept;
    if (history != nullptr) kept = history->keep(path, present);
    result.historyProblem = kept.problem;
    result.replaced = replaceFileContents(path, bytes);
    if (history == nullptr) return result;
    if (result.replaced) {
        history->prune(path);
    } else if (kept.added) {
        std::error_code ignored;
        std::filesystem::remove(*kept.added, ignored);
    }
    return result;
}

HistorySave saveKeepingHistory(const SettingsStore& store, const std::filesystem::path& path,
                               const FileHistory* history,
                               const std::optional<std::string>& expected) {
    HistorySave save;
    if (path.empty()) return save;
    save.present = readFileBytes(path);
    if (!save.present) return save;
    if (expected && *expected != *save.present) {
        save.outcome = HistorySaveOutcome::ChangedMeanwhile;
        return save;
    }
    IniDocument file(*save.present);
    if (!writeDriverFontSections(store, file)) return save;
    save.written = file.bytes();
    const HistoryReplace replaced =
        replaceKeepingHistory(path, *save.present, save.written, history);
    save.historyProblem = replaced.historyProblem;
    save.outcome = replaced.replaced ? HistorySaveOutcome::Saved : HistorySaveOutcome::Failed;
    if (!replaced.replaced) save.written.clear();
    return save;
}

}  // namespace vx
