#include "app/main_window_logic.h"

#include <optional>

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
    // One read of the file serves the version check and the load.
    const IniDocument file(std::move(*bytes));
    if (!isSupportedFileVersion(file)) {
        endWithMessage(kVersionMismatch);
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
    storeFilledPages();
    // The file as this window loaded or last saved it: anything else is
    // someone else's save, which is not overwritten without asking.
    std::optional<std::string> expected = loadedBytes_;
    for (;;) {
        const HistorySave save = saveKeepingHistory(store_, driverFontFilePath_,
                                                    history_ ? &*history_ : nullptr, expected);
        if (save.outcome != HistorySaveOutcome::ChangedMeanwhile) return reportSave(save);
        switch (messages_.show(history_text::kChangedMeanwhile, MessageButtons::YesNoCancel,
                               MessageIcon::Exclamation)) {
            case MessageAnswer::Yes:
                expected = save.present;  // the other save becomes a version
                break;
            case MessageAnswer::No:
                return reload(*save.present) ? SaveCommandResult::Declined
                                             : SaveCommandResult::Withheld;
            default:
                return SaveCommandResult::Withheld;
        }
    }
}

SaveCommandResult MainWindowLogic::reportSave(const HistorySave& save) {
    if (save.outcome != HistorySaveOutcome::Saved) {
        messages_.show(kSaveFailedMessage, MessageButtons::Ok, MessageIcon::Exclamation);
        return SaveCommandResult::Failed;
    }
    loadedBytes_ = save.written;
    messages_.show(kSavedMessage, MessageButtons::Ok, MessageIcon::None);
    if (save.historyProblem) {
        messages_.show(history_text::historyNotKept(*save.historyProblem), MessageButtons::Ok,
                       MessageIcon::Exclamation);
    }
    return SaveCommandResult::Saved;
}

bool MainWindowLogic::reload(const std::string& bytes) {
    const IniDocument file(bytes);
    if (!isSupportedFileVersion(file)) {
        messages_.show(kVersionMismatchText, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    load(file);
    loadedBytes_ = bytes;
    bringToFront(front_);
    messages_.show(history_text::kReloaded, MessageButtons::Ok, MessageIcon::Information);
    return true;
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
    bringToFront(front_);
    messages_.show(history_text::kVersionShown, MessageButtons::Ok, MessageIcon::Information);
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
