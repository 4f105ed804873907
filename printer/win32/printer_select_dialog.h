// The printer selection window (template 152): a list of the printers that
// can be chosen, OK and Cancel. What it lists and what OK does live in
// PrinterSelection; this class only moves them to and from the controls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "printer/printer_selection.h"
#include "ui/win32/dialog.h"

namespace vx {

class PrinterSelectDialog : public Dialog {
public:
    // Services left empty take the real ones: a message box owned by the
    // selection window (with the services' caption), ending the process,
    // and reading the spooler.
    explicit PrinterSelectDialog(Spooler& spooler, PrinterSelectionServices services = {});

    // Shows the selection modally with the item named `currentName`
    // selected (if listed). The chosen printer's name (UTF-8), or nullopt
    // when cancelled.
    std::optional<std::string> run(HWND owner, const std::string& currentName);

protected:
    BOOL onInitDialog() override;
    bool onCommand(int id, int code, HWND control) override;
    bool onNotify(NMHDR& header, LRESULT& result) override;

private:
    void warn(std::string_view text);
    void fillList();
    std::optional<std::size_t> selectedItem() const;
    void accept(const std::optional<std::string>& name);

    PrinterSelectionServices overrides_;
    PrinterSelection selection_;
    std::string currentName_;
    std::optional<std::string> chosen_;
};

}  // namespace vx
