// What the main window's command logic needs from the window and the
// system, so that the logic runs the same in the window and in tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "printer/label_printer.h"
#include "printer/printer_binding.h"

namespace vx {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Message boxes with the tool's caption; texts are UTF-8.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(std::string_view text, MessageButtons buttons, MessageIcon icon) = 0;
};

// The printer selection: the chosen printer's name (UTF-8), or nothing when
// the user cancels. The current name is pre-selected.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    virtual std::optional<std::string> choose(const std::string& currentPrinterName) = 0;
};

// The main window itself.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // First part of the status bar: the chosen printer's name.
    virtual void showPrinterName(const std::string& printerName) = 0;
    virtual void selectTab(int page) = 0;
    // Shows `page` and hides the others.
    virtual void showOnlyPage(int page) = 0;
    virtual bool tabControlHasFocus() const = 0;
    virtual void focusPage(int page) = 0;
    // Makes every control of the page exist (the window may create them
    // late). The logic asks for it before it first fills the page, so that
    // no page is filled or shown half-built.
    virtual void completePage(int page) = 0;
    // Ends the window's modal run; the program then ends.
    virtual void close() = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the file's default topic; false when no viewer window results.
    virtual bool show(const std::filesystem::path& helpFile) = 0;
};

}  // namespace vx
