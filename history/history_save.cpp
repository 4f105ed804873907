#include "history/history_save.h"

#include "settings/driver_font_file.h"
#include "settings/durable_write.h"
#include "settings/file_check.h"
#include "settings/file_io.h"
#include "settings/file_lock.h"

namespace vx {

HistoryReplace replaceKeepingHistory(const std::filesystem::path& path, std::string_view present,
                                     std::string_view bytes, const FileHistory* history,
                                     FileLayer& layer) {
    HistoryReplace result;
    FileHistory::Kept kept;
    if (history != nullptr) kept = history->keep(path, present, layer);
    result.historyProblem = kept.problem;
    result.replaced = replaceFileContents(layer, path, bytes);
    // Neither the new bytes nor the old are at the name: the old go back.
    if (!result.replaced && !layer.exists(path)) {
        writeDurably(layer, present, [&](int) { return path; });
    }
    if (history == nullptr) return result;
    if (result.replaced) {
        history->prune(path);
        result.keptVersion = kept.added;
    } else if (kept.added && readFileBytes(path) == present) {
        if (kept.record) layer.remove(*kept.record);
        layer.remove(*kept.added);
    }
    return result;
}

HistorySave saveKeepingHistory(const SettingsStore& store, const std::filesystem::path& path,
                               const FileHistory* history,
                               const std::optional<std::string>& expected, FileLayer& layer) {
    HistorySave save;
    if (path.empty()) return save;
    const FileLock lock = FileLock::acquire(path);
    if (lock.outcome() == LockOutcome::Busy) save.outcome = HistorySaveOutcome::Busy;
    if (!lock.held()) return save;
    save.present = readFileBytes(path);
    if (!save.present) return save;
    if (expected && *expected != *save.present) {
        save.outcome = HistorySaveOutcome::ChangedMeanwhile;
        return save;
    }
    IniDocument file(*save.present);
    save.check = checkDriverFontFile(file);
    if (save.check != FileCheck::Accepted) {
        save.outcome = HistorySaveOutcome::NotAccepted;
        return save;
    }
    if (!writeDriverFontSections(store, file)) return save;
    save.written = file.bytes();
    const HistoryReplace replaced =
        replaceKeepingHistory(path, *save.present, save.written, history, layer);
    save.historyProblem = replaced.historyProblem;
    save.keptVersion = replaced.keptVersion;
    save.outcome = replaced.replaced ? HistorySaveOutcome::Saved : HistorySaveOutcome::Failed;
    if (!replaced.replaced && readFileBytes(path) != save.written) save.written.clear();
    return save;
}

}  // namespace vx
