#include "printer/win32/printer_select_dialog.h"

#include <commctrl.h>

#include <utility>

#include "resources/resource.h"

namespace vx {

PrinterSelectDialog::PrinterSelectDialog(Spooler& spooler, PrinterSelectionServices services)
    : overrides_(std::move(services)),
      selection_(spooler, PrinterSelectionServices{
                              [this](std::string_view text) { warn(text); },
                              [this](int status) {
                                  if (overrides_.endProcess) {
                                      overrides_.endProcess(status);
                                  } else {
                                      ExitProcess(static_cast<UINT>(status));
                                  }
                              },
                              overrides_.listPrinters,
                              overrides_.caption,
                          }) {}

std::optional<std::string> PrinterSelectDialog::run(HWND owner, const std::string& currentName) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    currentName_ = currentName;
    chosen_.reset();
    if (runModal(owner, IDD_PRINTER_SELECT) != IDOK) return std::nullopt;
    return chosen_;
}

void PrinterSelectDialog::warn(std::string_view text) {
    if (overrides_.warn) {
        overrides_.warn(text);
        return;
    }
    MessageBoxW(hwnd(), widen(text).c_str(), widen(overrides_.caption).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

BOOL PrinterSelectDialog::onInitDialog() {
    HWND list = item(IDC_PRINTER_LIST);
    std::wstring header = widen(kPrinterListHeader);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kPrinterListColumnWidth;
    column.pszText = header.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);

    if (!selection_.initialise(currentName_)) {
        // Only reached when ending the process returned (tests).
        endModal(IDCANCEL);
        return TRUE;
    }
    fillList();
    return TRUE;
}

void PrinterSelectDialog::fillList() {
    HWND list = item(IDC_PRINTER_LIST);
    const std::vector<std::string>& names = selection_.items();
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::wstring text = widen(names[i]);
        LVITEMW entry{};
        entry.mask = LVIF_TEXT;
        entry.iItem = static_cast<int>(i);
        entry.pszText = text.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    }
    if (std::optional<std::size_t> initial = selection_.initialSelection()) {
        int index = static_cast<int>(*initial);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&state));
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    }
}

std::optional<std::size_t> PrinterSelectDialog::selectedItem() const {
    LRESULT index = SendMessageW(item(IDC_PRINTER_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                 LVNI_SELECTED);
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void PrinterSelectDialog::accept(const std::optional<std::string>& name) {
    if (!name) return;
    chosen_ = name;
    endModal(IDOK);
}

bool PrinterSelectDialog::onCommand(int id, int code, HWND control) {
    (void)code, (void)control;
    switch (id) {
        case IDOK:
            accept(selection_.confirm(selectedItem()));
            return true;
        case IDCANCEL:
            endModal(IDCANCEL);
            return true;
        default:
            return false;
    }
}

bool PrinterSelectDialog::onNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_PRINTER_LIST || header.code != NM_DBLCLK) return false;
    const auto& activation = reinterpret_cast<const NMITEMACTIVATE&>(header);
    std::optional<std::size_t> hit;
    if (activation.iItem >= 0) hit = static_cast<std::size_t>(activation.iItem);
    accept(selection_.activate(hit));
    result = 0;
    return true;
}

}  // namespace vx
