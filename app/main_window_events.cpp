// The main window's records of who changed the file: the author that the
// versions it keeps record, and the event of every save, restore and
// refused save.
#include "app/main_window_logic.h"
#include "settings/driver_font_file.h"

namespace vx {

void MainWindowLogic::setChangeRecording(EventWriter* events, ChangeAuthor author) {
    events_ = events;
    author_ = std::move(author);
}

const FileHistory* MainWindowLogic::savingHistory() {
    if (!history_) return nullptr;
    history_->setAuthor(author_);
    return &*history_;
}

ChangeEvent MainWindowLogic::changeEvent(ChangeEventKind kind) const {
    ChangeEvent event;
    event.kind = kind;
    event.printer = printerName_;
    event.file = driverFontFilePath_;
    event.author = author_;
    // What the save was to change: the pages (stored before every save)
    // against the file as loaded.
    if (loadedBytes_) {
        SettingsStore loaded;
        loadDriverFontFile(IniDocument(*loadedBytes_), loaded);
        event.fonts = changedFonts(loaded, store_);
    }
    return event;
}

void MainWindowLogic::recordSave(const HistorySave& save) {
    if (events_ == nullptr) return;
    ChangeEventKind kind = ChangeEventKind::Failed;
    // A replacement the disk did not confirm is in the file all the same.
    const bool replaced = save.outcome == HistorySaveOutcome::Saved ||
                          save.outcome == HistorySaveOutcome::NotConfirmed;
    switch (save.outcome) {
        case HistorySaveOutcome::Saved:
        case HistorySaveOutcome::NotConfirmed:
            kind = restoredVersion_ ? ChangeEventKind::Restored : ChangeEventKind::Saved;
            break;
        case HistorySaveOutcome::Busy:
            kind = ChangeEventKind::Busy;
            break;
        case HistorySaveOutcome::NotAccepted:
            kind = ChangeEventKind::NotAccepted;
            break;
        case HistorySaveOutcome::ChangedMeanwhile:
            kind = ChangeEventKind::ChangedMeanwhile;
            break;
        case HistorySaveOutcome::Failed:
        case HistorySaveOutcome::Refused:  // a link, too large, the lock lost
        case HistorySaveOutcome::LockRefused:
            break;
    }
    ChangeEvent event = changeEvent(kind);
    if (replaced) {
        // What the save changed in the file as it found it.
        if (save.present) event.fonts = changedFonts(*save.present, save.written);
        event.keptVersion = save.keptVersion;
        event.restoredVersion = restoredVersion_;
    }
    events_->write(event);
}

void MainWindowLogic::recordWithheld() {
    if (events_ != nullptr) events_->write(changeEvent(ChangeEventKind::ChangedMeanwhile));
}

}  // namespace vx
