// The tool's main window: menu, accelerators, toolbar, status bar and the
// tab control with the three setting pages. Commands go to MainWindowLogic.
// The menu, bars, tabs and pages exist once the logic has filled the pages
// for the first time.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/main_window_logic.h"
#include "ui/win32/dialog.h"
#include "app/win32/history_dialog.h"
#include "app/win32/message_boxes_win32.h"
#include "app/win32/preview_window.h"
#include "app/win32/setting_page_slot.h"
#include "app/win32/test_label_printer_win32.h"

namespace vx {

class MainWindow : public Dialog, private MainWindowView, private HelpViewer {
public:
    MainWindow(SettingsStore& store, Spooler& spooler, PrinterChooser& chooser,
               MainWindowLogic::Locator locator);
    ~MainWindow() override;

    // Creates the window and binds a printer; shows the window unless it
    // closed while it initialised (then false).
    bool open();
    // Runs the window's message loop until the window closes.
    void runUntilClosed();

    MainWindowLogic& logic() { return logic_; }
    // For tests that drive the window in-process.
    bool isOpen() const { return hwnd() != nullptr && !closed_; }
    HWND pageWindow(PageKind page) const { return pages_[static_cast<int>(page)]->view.hwnd(); }
    const PreviewWindow& preview() const { return preview_; }
    // One pass of the message loop's filtering: accelerators first.
    bool preTranslate(MSG& message);
    // Handles one message as the window's loop does, and the work that
    // waits for the first paint as soon as nothing is left to paint.
    void handle(MSG& message);

protected:
    BOOL onInitDialog() override;
    bool onCommand(int id, int code, HWND control) override;
    bool onNotify(NMHDR& header, LRESULT& result) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // MainWindowView
    void showPrinterName(const std::string& printerName) override;
    void selectTab(int page) override;
    void showOnlyPage(int page) override;
    bool tabControlHasFocus() const override;
    void focusPage(int page) override;
    void preparePage(int page) override;
    void afterFirstPaint(std::function<void()> work) override;
    void close() override;
    // HelpViewer
    bool show(const std::filesystem::path& helpFile) override;

    void decorate();
    void setUpMenu();
    void locateHelpFile();
    void createToolbar();
    void createStatusBar();
    void createTabs();
    // Creates the menu, bars, tabs and page windows, or else the next
    // controls of the first page still missing some, within about `budget`;
    // false when every part exists.
    bool createNextPart(std::chrono::steady_clock::duration budget);
    void createPages();
    void runAfterFirstPaint();
    void adjustSystemMenu();
    // The preview follows the page in front and its font while it is open.
    void openPreview();
    void updatePreview();
    const PreviewPrinter& previewPrinter();

    SettingsStore& store_;
    Win32MessageBoxes messages_;
    Win32LabelPrinter labelPrinter_;
    std::array<std::unique_ptr<SettingPageSlot>, kPageCount> pages_;
    std::function<void()> afterFirstPaint_;  // waits for the first paint
    MainWindowLogic logic_;
    PreviewWindow preview_;
    HistoryDialog historyDialog_{*this};
    // Read from the spooler when the preview first needs it after a binding.
    std::optional<PreviewPrinter> previewPrinter_;

    HACCEL accelerators_ = nullptr;
    HMENU menu_ = nullptr;
    HICON icon_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND statusBar_ = nullptr;
    HIMAGELIST tabImages_ = nullptr;
    HBITMAP menuBitmaps_[5] = {};
    bool decorated_ = false;
    bool closed_ = false;
};

}  // namespace vx
