#include "history/history_save.h"

#include "settings/driver_font_file.h"
#include "settings/durable_write.h"
#include "settings/file_check.h"
#include "settings/file_io.h"
#include "settings/file_messages.h"

namespace vx {

HistoryReplace replaceKeepingHistory(const std::filesystem::path& path, std::string_view present,
                                     std::string_view bytes, const FileHistory* history,
                                     FileLayer& layer, const FileLock* lock) {
    HistoryReplace result;
    if (isSymbolicLink(path)) result.refused = SaveRefusal::Link;
    // A file the tool would refuse to read again is not written.
    if (bytes.size() > kMaxFileBytes) result.refused = SaveRefusal::TooLarge;
    if (result.refused) return result;
    removeLeftoverTemporaries(layer, path);
    FileHistory::Kept kept;
    if (history != nullptr) kept = history->keep(path, present, layer);
    result.historyProblem = kept.problem;
    // Another writer that found no lock file may be in since: its save is
    // not to be lost under this one.
    if (lock != nullptr && !lock->stillHeld()) {
        result.refused = SaveRefusal::LockLost;
        return result;
    }
    const ReplaceOutcome outcome = replaceWholeFile(layer, path, bytes);
    result.replaced = outcome == ReplaceOutcome::Replaced;
    result.unconfirmed = outcome == ReplaceOutcome::NotConfirmed;
    // Neither the new bytes nor the old are at the name: the old go back.
    if (outcome == ReplaceOutcome::Failed && !layer.exists(path)) {
        writeDurably(layer, present, [&](int) { return path; });
    }
    if (history == nullptr) return result;
    if (outcome != ReplaceOutcome::Failed) {
        history->prune(path);
        result.keptVersion = kept.added;
    } else if (kept.added && readFileBytes(path) == present) {
        history->removeVersion(path, *kept.added);
    }
    return result;
}

HistorySave saveKeepingHistory(const SettingsStore& store, const std::filesystem::path& path,
                               const FileHistory* history,
                               const std::optional<std::string>& expected, FileLayer& layer) {
    HistorySave save;
    if (path.empty()) return save;
    if (isSymbolicLink(path)) {
        save.outcome = HistorySaveOutcome::Refused;
        save.refusal = SaveRefusal::Link;
        return save;
    }
    FileLock lock = FileLock::acquire(path);
    switch (lock.outcome()) {
        case LockOutcome::Held:
            break;
        case LockOutcome::Busy:
            save.outcome = HistorySaveOutcome::Busy;
            return save;
        default:
            save.outcome = HistorySaveOutcome::LockRefused;
            save.lock = std::move(lock);
            return save;
    }
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
        replaceKeepingHistory(path, *save.present, save.written, history, layer, &lock);
    save.historyProblem = replaced.historyProblem;
    save.keptVersion = replaced.keptVersion;
    save.refusal = replaced.refused;
    save.outcome = replaced.refused       ? HistorySaveOutcome::Refused
                   : replaced.replaced    ? HistorySaveOutcome::Saved
                   : replaced.unconfirmed ? HistorySaveOutcome::NotConfirmed
                                          : HistorySaveOutcome::Failed;
    if (!replaced.replaced && readFileBytes(path) != save.written) save.written.clear();
    return save;
}

std::string_view saveRefusalText(SaveRefusal refusal) {
    switch (refusal) {
        case SaveRefusal::Link:
            return kLinkRefusedText;
        case SaveRefusal::TooLarge:
            return kTooLargeToSaveText;
        case SaveRefusal::LockLost:
            return kLockLostText;
    }
    return kLockLostText;
}

std::string lockRefusalText(const FileLock& lock) {
    const std::u8string path = lock.lockFile().u8string();
    const std::string name(path.begin(), path.end());
    switch (lock.outcome()) {
        case LockOutcome::NotAFile:
            return "ロックファイルの場所 " + name +
                   " にファイルではないもの（フォルダ、リンク、名前付きパイプなど）があるため、保存できませんでした。"
                   "それを削除してから、もう一度保存してください。何も書き込んでいません。";
        case LockOutcome::LeftBehind:
            return "ロックファイル " + name + " はユーザー " + lock.owner() +
                   " のもので、どのプログラムも使っていません（保存の途中で終わったプログラムが"
                   "残したものです）が、このユーザーには開けないため、保存できませんでした。"
                   "このファイルを削除してから（権限がないときは管理者に依頼してください）、"
                   "もう一度保存してください。何も書き込んでいません。";
        default:
            return "ロックファイル " + name + " を作れないため、保存できませんでした（" +
                   historyReasonJapanese(lock.error()) + "）。何も書き込んでいません。";
    }
}

}  // namespace vx
