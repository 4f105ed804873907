// The tool's main window: menu, accelerators, toolbar, status bar and the
// tab control with the three setting pages. Commands go to MainWindowLogic.
// Its parts come after it in stages (WindowStaging).
#pragma once

#include <windows.h>
// The common controls need <windows.h> before them.
#include <commctrl.h>

#include <array>
#include <filesystem>
#include <memory>

#include "app/main_window_logic.h"
#include "app/win32/history_dialog.h"
#include "app/win32/message_boxes_win32.h"
#include "app/win32/preview_window.h"
#include "app/win32/setting_page_slot.h"
#include "app/win32/sheet_ports_win32.h"
#include "app/win32/window_staging.h"
#include "printer/win32/test_label_printer_win32.h"
#include "ui/win32/dialog.h"

namespace vx {

class MainWindow : public Dialog, private MainWindowView, private HelpViewer {
public:
    MainWindow(SettingsStore& store, Spooler& spooler, PrinterChooser& chooser,
               MainWindowLogic::Locator locator);
    ~MainWindow() override;

    // Creates the window and binds a printer; shows the window unless it
    // closed while it initialised (then false).
    bool open();
    // Runs the window's message loop until the window closes; its idle
    // moments go to the parts still missing.
    void runUntilClosed();

    MainWindowLogic& logic() { return logic_; }
    // For tests that drive the window in-process.
    bool isOpen() const { return hwnd() != nullptr && !closed_; }
    HWND pageWindow(PageKind page) const { return pages_[static_cast<int>(page)]->view.hwnd(); }
    const PreviewWindow& preview() const { return preview_; }
    // Where 設定一覧を保存 asks for a file and opens it (tests answer it).
    void setSheetPorts(SheetPorts& ports) { sheetPorts_ = &ports; }
    // One pass of the message loop's filtering: accelerators first.
    bool preTranslate(MSG& message);
    // Handles one message as the window's loop does.
    void handle(MSG& message);
    // An idle moment as the window's loop has it, when no message waits.
    void idle() { staging_.loopIdle(); }

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
    void completePage(int page) override { staging_.completePage(page); }
    void close() override;
    // HelpViewer
    bool show(const std::filesystem::path& helpFile) override;

    // The menu, icon, bars, tabs and the pages' windows, which the window
    // needs only once it shows.
    void makeFrame();
    void setUpMenu();
    void locateHelpFile();
    void createToolbar();
    void createStatusBar();
    void createTabs();
    void createPages();
    void adjustSystemMenu();
    // The preview follows the page in front and its font while it is open.
    void openPreview();
    void updatePreview();
    const PreviewPrinter& previewPrinter();

    SettingsStore& store_;
    Spooler& spooler_;
    Win32MessageBoxes messages_;
    Win32LabelPrinter labelPrinter_;
    PageSlots pages_;
    WindowStaging staging_;
    MainWindowLogic logic_;
    PreviewWindow preview_;
    HistoryDialog historyDialog_{*this};
    Win32SheetPorts win32SheetPorts_;
    SheetPorts* sheetPorts_ = &win32SheetPorts_;
    // Read from the spooler when the preview first needs it after a binding.
    std::optional<PreviewPrinter> previewPrinter_;

    HACCEL accelerators_ = nullptr;
    HMENU menu_ = nullptr;
    HICON icon_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND statusBar_ = nullptr;
    HIMAGELIST tabImages_ = nullptr;
    HBITMAP menuBitmaps_[5] = {};
    bool closed_ = false;
};

}  // namespace vx
