#include "app/main_window_logic.h"

#include <optional>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"

namespace vx {

using namespace main_window_text;

MainWindowLogic::MainWindowLogic(SettingsStore& store, std::array<SettingPage*, kPageCount> pages,
                                 MainWindowView& view, MessageBoxes& messages,
                                 PrinterChooser& chooser, Locator locator, HelpViewer& help,
                                 LabelPrinter& printer)
    : store_(store),
      pages_(pages),
      view_(view),
      messages_(messages),
      chooser_(chooser),
      locator_(std::move(locator)),
      help_(help),
      printer_(printer) {}

void MainWindowLogic::initialise() {
    initialising_ = true;
    choosePrinterDriver();
    initialising_ = false;
}

void MainWindowLogic::endWithMessage(std::string_view text) {
    messages_.show(text, MessageButtons::Ok, MessageIcon::None);
    view_.close();
}

void MainWindowLogic::load(const IniDocument& file) {
    loadDriverFontFile(file, store_);
    filled_.fill(false);
    storeReplaced_ = false;
    restoredVersion_.reset();
}

// A page not filled since the load shows nothing of the store's (at most an
// earlier printer's records): its records stay as loaded.
void MainWindowLogic::storeFilledPages() {
    for (int n = 0; n < kPageCount; ++n) {
        if (filled_[n]) pages_[n]->storeCurrent();
    }
}

void MainWindowLogic::loadFactoryState() {
    // The factory state is what a file without font sections gives.
    load(IniDocument());
}

// After a load only the page in front is filled at once: at start-up that
// is before the window first paints.
void MainWindowLogic::bringToFront(int page) {
    if (!filled_[page]) {
        view_.completePage(page);
        pages_[page]->resetAndShow();
        filled_[page] = true;
    }
    front_ = page;
    view_.showOnlyPage(page);
}

void MainWindowLogic::choosePrinterDriver() {
    std::optional<std::string> chosen = chooser_.choose(printerName_);
    if (!chosen) {
        if (initialising_) view_.close();
        return;
    }
    if (!initialising_ && !settleEditsBeforeRebinding()) return;
    LocateResult location = locator_(*chosen);
    if (location.outcome == LocateOutcome::PrinterInfoUnreadable) {
        // Nothing is bound; at start-up the window still opens, with the
        // factory state and no file to save into.
        if (initialising_) {
            loadFactoryState();
            bringToFront(front_);
        }
        return;
    }
    if (location.outcome == LocateOutcome::PrinterUnavailable) {
        endWithMessage(kNoDriverFontFile);
        return;
    }
    printerName_ = *chosen;
    driverName_ = location.driverName.value_or(std::string());
    driverFontFilePath_ = location.path;
    view_.showPrinterName(printerName_);
    std::optional<std::string> bytes;
    if (location.outcome == LocateOutcome::Located) bytes = readFileBytes(driverFontFilePath_);
    if (!bytes) {
        endWithMessage(kNoDriverFontFile);
        return;
    }
    // One read of the file serves the checks and the load. A file without
    // the version counts as one whose version is not accepted.
    const IniDocument file(std::move(*bytes));
    const FileCheck check = checkDriverFontFile(file);
    if (check != FileCheck::Accepted) {
        endWithMessage(check == FileCheck::SavedAsUtf8 ? kSavedAsUtf8 : kVersionMismatch);
        return;
    }
    load(file);
    loadedBytes_ = file.bytes();
    bringToFront(front_);
}

SaveCommandResult MainWindowLogic::saveSettings() {
    if (messages_.show(kConfirmSave, MessageButtons::OkCancel, MessageIcon::None) !=
        MessageAnswer::Ok) {
        return SaveCommandResult::Declined;
    }
    return saveNow();
}

SaveCommandResult MainWindowLogic::saveNow() {
    storeFilledPages();
    // The file as this window loaded or last saved it: anything else is
    // someone else's save, which is not overwritten without asking.
    std::optional<std::string> expected = loadedBytes_;
    for (;;) {
        const HistorySave save =
            saveKeepingHistory(store_, driverFontFilePath_, savingHistory(), expected);
        if (save.outcome != HistorySaveOutcome::ChangedMeanwhile) return reportSave(save);
        switch (messages_.show(history_text::kChangedMeanwhile, MessageButtons::YesNoCancel,
                               MessageIcon::Exclamation)) {
            case MessageAnswer::Yes:
                expected = save.present;  // the other save becomes a version
                break;
            case MessageAnswer::No:
                recordWithheld();
                return reload(*save.present) ? SaveCommandResult::Declined
                                             : SaveCommandResult::Withheld;
            default:
                recordWithheld();
                return SaveCommandResult::Withheld;
        }
    }
}

SaveCommandResult MainWindowLogic::reportSave(const HistorySave& save) {
    recordSave(save);
    switch (save.outcome) {
        case HistorySaveOutcome::Saved:
            break;
        case HistorySaveOutcome::Busy:
            messages_.show(kSavingElsewhereText, MessageButtons::Ok, MessageIcon::Exclamation);
            return SaveCommandResult::Failed;
        case HistorySaveOutcome::NotAccepted:
            refuseFile(save.check);
            return SaveCommandResult::Failed;
        case HistorySaveOutcome::Refused:
            messages_.show(saveRefusalText(save.refusal.value_or(SaveRefusal::LockLost)),
                           MessageButtons::Ok, MessageIcon::Exclamation);
            return SaveCommandResult::Failed;
        case HistorySaveOutcome::LockRefused:
            messages_.show(lockRefusalText(save.lock), MessageButtons::Ok,
                           MessageIcon::Exclamation);
            return SaveCommandResult::Failed;
        case HistorySaveOutcome::NotConfirmed:
            // The file holds the new bytes: no longer someone else's save,
            // but not known to be on the disk, so the edits stay unsaved.
            loadedBytes_ = save.written;
            messages_.show(kNotConfirmedText, MessageButtons::Ok, MessageIcon::Exclamation);
            return SaveCommandResult::Failed;
        default:
            // A file that holds the new bytes all the same (only their
            // folder did not sync) is no longer someone else's save.
            if (!save.written.empty()) loadedBytes_ = save.written;
            messages_.show(kSaveFailedMessage, MessageButtons::Ok, MessageIcon::Exclamation);
            return SaveCommandResult::Failed;
    }
    loadedBytes_ = save.written;
    storeReplaced_ = false;
    restoredVersion_.reset();
    for (int n = 0; n < kPageCount; ++n) {
        if (filled_[n]) pages_[n]->acceptEdits();
    }
    messages_.show(kSavedMessage, MessageButtons::Ok, MessageIcon::None);
    if (save.historyProblem) {
        messages_.show(history_text::historyNotKept(*save.historyProblem), MessageButtons::Ok,
                       MessageIcon::Exclamation);
    }
    return SaveCommandResult::Saved;
}

bool MainWindowLogic::reload(const std::string& bytes) {
    const IniDocument file(bytes);
    const FileCheck check = checkDriverFontFile(file);
    if (check != FileCheck::Accepted) {
        refuseFile(check);
        return false;
    }
    load(file);
    loadedBytes_ = bytes;
    bringToFront(front_);
    messages_.show(history_text::kReloaded, MessageButtons::Ok, MessageIcon::Information);
    return true;
}

void MainWindowLogic::refuseFile(FileCheck check) {
    messages_.show(check == FileCheck::SavedAsUtf8 ? kSavedAsUtf8Text : kVersionMismatchText,
                   MessageButtons::Ok, MessageIcon::Exclamation);
}

bool MainWindowLogic::holdsUnsavedEdits() {
    if (storeReplaced_) return true;
    for (int n = 0; n < kPageCount; ++n) {
        if (filled_[n] && pages_[n]->holdsEdits()) return true;
    }
    return false;
}

bool MainWindowLogic::settleEditsBeforeRebinding() {
    if (!holdsUnsavedEdits()) return true;
    switch (messages_.show(kConfirmRebind, MessageButtons::YesNoCancel, MessageIcon::Exclamation)) {
        case MessageAnswer::Yes:
            // A save that failed or was withheld keeps the edits, and so
            // the binding; one the user turned into a reload has none left.
            switch (saveNow()) {
                case SaveCommandResult::Saved:
                case SaveCommandResult::Declined:
                    return true;
                default:
                    return false;
            }
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

void MainWindowLogic::setHistoryRoot(std::filesystem::path root, FileHistory::Clock clock) {
    history_.emplace(std::move(root), std::move(clock));
}

void MainWindowLogic::setHistoryPlaces(HistoryPlaces places, FileHistory::Clock clock) {
    history_.emplace(std::move(places), std::move(clock));
}

void MainWindowLogic::restoreFromHistory() {
    storeFilledPages();
    std::optional<HistoryRestore> offer;
    if (history_ && !driverFontFilePath_.empty()) {
        offer.emplace(*history_, driverFontFilePath_, store_);
    }
    if (offer && offer->problem()) {
        messages_.show(history_text::historyNotUsed(*offer->problem()), MessageButtons::Ok,
                       MessageIcon::Exclamation);
        return;
    }
    if (!offer || offer->empty() || versionChooser_ == nullptr) {
        messages_.show(history_text::kNoVersions, MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    const std::optional<std::size_t> chosen = versionChooser_->choose(*offer);
    if (!chosen) return;
    const SettingsStore* settings = offer->settings(*chosen);
    if (settings == nullptr) {
        messages_.show(
            history_text::unusableMessage(offer->unusable(*chosen).value_or(Unusable::Unreadable)),
            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    // Nothing reaches the file until the user saves.
    store_ = *settings;
    filled_.fill(false);
    storeReplaced_ = true;
    restoredVersion_ = offer->file(*chosen);
    bringToFront(front_);
    messages_.show(history_text::kVersionShown, MessageButtons::Ok, MessageIcon::Information);
}

void MainWindowLogic::saveSettingsSheet(SheetPorts& ports) {
    // A copy takes what the pages show: the store stays what was loaded or
    // saved, and a save still stores the pages itself.
    SettingsStore shown = store_;
    for (int n = 0; n < kPageCount; ++n) {
        if (filled_[n]) pages_[n]->storeCurrentInto(shown);
    }
    const std::optional<int> resolution =
        printerName_.empty() ? std::nullopt : printer_.verticalResolution(printerName_);
    vx::saveSettingsSheet({driverFontFilePath_, printerName_, utf8FromCp932(driverName_),
                           static_cast<double>(resolution.value_or(305)), &shown},
                          ports, messages_);
}

void MainWindowLogic::confirmExit() {
    switch (messages_.show(kConfirmExit, MessageButtons::YesNoCancel, MessageIcon::Exclamation)) {
        case MessageAnswer::Yes:
            // A failed or withheld save keeps the window open so that no
            // edit is lost.
            switch (saveSettings()) {
                case SaveCommandResult::Failed:
                case SaveCommandResult::Withheld:
                    break;
                default:
                    view_.close();
            }
            break;
        case MessageAnswer::No:
            view_.close();
            break;
        default:
            break;
    }
}

void MainWindowLogic::selectPage(PageKind page, bool fromTab) {
    const int tab = static_cast<int>(page);  // the tabs follow the pages' order
    if (tab < 0 || tab >= kPageCount) return;
    if (!fromTab) view_.selectTab(tab);
    bringToFront(tab);
    if (!view_.tabControlHasFocus()) view_.focusPage(tab);
}

void MainWindowLogic::openHelp() {
    if (!help_.show(helpFile_)) {
        messages_.show(kHelpNotFound, MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

void MainWindowLogic::factorySettings() {
    if (messages_.show(kConfirmFactory, MessageButtons::OkCancel, MessageIcon::Exclamation) !=
        MessageAnswer::Ok) {
        return;
    }
    // Nothing reaches the file until the user saves.
    loadFactoryState();
    storeReplaced_ = true;
    selectPage(PageKind::Barcode);
    messages_.show(kFactoryShown, MessageButtons::Ok, MessageIcon::Information);
}

void MainWindowLogic::testPrint() {
    // The printer is addressed by its own name, which is what the spooler
    // knows it by (its driver's name may differ).
    std::optional<int> resolution = printer_.verticalResolution(printerName_);
    if (!resolution) return;
    const int factor = testPrintScaleFactor(*resolution);
    if (messages_.show(kConfirmTestPrint, MessageButtons::OkCancel, MessageIcon::Information) !=
        MessageAnswer::Ok) {
        return;
    }
    printer_.printTestLabel(printerName_, factor);
}

}  // namespace vx
