#include "app/win32/history_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource.h"

namespace vx {

namespace {

struct Column {
    std::string_view title;
    int width;  // dialog units
};

constexpr Column kVersionColumns[] = {
    {"日時", 88}, {"ユーザー", 84}, {"サイズ", 60}, {"現在との違い", 76}};
constexpr Column kDifferenceColumns[] = {
    {"フォント", 70}, {"項目", 122}, {"以前の値", 56}, {"現在の値", 56}};

constexpr std::string_view kCompareHint = "比較を押すと、選んだ設定と現在の設定の違いを示します。";
constexpr std::string_view kSame = "現在の設定と違いはありません。";

template <std::size_t N>
void addColumns(HWND dialog, HWND list, const Column (&columns)[N]) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (std::size_t i = 0; i < N; ++i) {
        RECT width{0, 0, columns[i].width, 0};
        MapDialogRect(dialog, &width);
        std::wstring title = widen(columns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.cx = width.right;
        column.pszText = title.data();
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void addRow(HWND list, std::initializer_list<std::string_view> cells) {
    LVITEMW row{};
    row.iItem = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (std::string_view cell : cells) {
        std::wstring text = widen(cell);
        row.mask = LVIF_TEXT;
        row.pszText = text.data();
        if (row.iSubItem == 0) {
            row.iItem = static_cast<int>(
                SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
        } else {
            SendMessageW(list, LVM_SETITEMTEXTW, row.iItem, reinterpret_cast<LPARAM>(&row));
        }
        ++row.iSubItem;
    }
}

}  // namespace

std::optional<std::size_t> HistoryDialog::choose(const HistoryRestore& offer) {
    offer_ = &offer;
    chosen_.reset();
    const INT_PTR result = runModal(owner_.hwnd(), IDD_HISTORY);
    offer_ = nullptr;
    return result == IDOK ? chosen_ : std::nullopt;
}

BOOL HistoryDialog::onInitDialog() {
    HWND versions = item(IDC_HISTORY_LIST);
    addColumns(hwnd(), versions, kVersionColumns);
    addColumns(hwnd(), item(IDC_HISTORY_DIFFERENCES), kDifferenceColumns);
    // Who replaced a version, and on which computer, shows when the mouse rests on it.
    SendMessageW(versions, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_INFOTIP, LVS_EX_INFOTIP);
    for (const VersionRow& row : offer_->rows()) {
        addRow(versions, {row.time, row.user, row.size, row.difference});
    }
    // The newest is chosen to begin with.
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(versions, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    clearComparison();
    SetFocus(versions);
    return FALSE;
}

std::optional<std::size_t> HistoryDialog::selected() const {
    const LRESULT index = SendMessageW(item(IDC_HISTORY_LIST), LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void HistoryDialog::clearComparison() {
    SendMessageW(item(IDC_HISTORY_DIFFERENCES), LVM_DELETEALLITEMS, 0, 0);
    SetWindowTextW(item(IDC_HISTORY_NOTE), widen(kCompareHint).c_str());
    const bool chosen = selected().has_value();
    EnableWindow(item(IDC_HISTORY_COMPARE), chosen);
    EnableWindow(item(IDOK), chosen);
}

void HistoryDialog::compare() {
    const std::optional<std::size_t> index = selected();
    if (!index) return;
    clearComparison();
    std::string note;
    if (offer_->settings(*index) == nullptr) {
        // The note has one line.
        note =
            history_text::unusableMessage(offer_->unusable(*index).value_or(Unusable::Unreadable));
        std::erase(note, '\n');
    } else {
        const std::vector<DifferenceRow> rows = offer_->differences(*index);
        HWND list = item(IDC_HISTORY_DIFFERENCES);
        for (const DifferenceRow& row : rows) addRow(list, {row.font, row.field, row.then, row.now});
        const VersionRow& version = offer_->rows()[*index];
        note = rows.empty() ? std::string(kSame)
                            : version.time + " の設定と現在の設定で " +
                                  std::to_string(rows.size()) + " 項目が違います。";
        note += "\n" + offer_->authorLine(*index);
    }
    SetWindowTextW(item(IDC_HISTORY_NOTE), widen(note).c_str());
}

void HistoryDialog::accept() {
    chosen_ = selected();
    if (chosen_) endModal(IDOK);
}

bool HistoryDialog::onCommand(int id, int code, HWND control) {
    (void)code, (void)control;
    switch (id) {
        case IDOK: accept(); return true;
        case IDCANCEL: endModal(IDCANCEL); return true;
        case IDC_HISTORY_COMPARE: compare(); return true;
        default: return false;
    }
}

bool HistoryDialog::onNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_HISTORY_LIST) return false;
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) &&
            ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) {
            clearComparison();
        }
        result = 0;
        return true;
    }
    if (header.code == LVN_GETINFOTIPW) {
        auto& tip = reinterpret_cast<NMLVGETINFOTIPW&>(header);
        const std::wstring text = widen(offer_->authorTip(static_cast<std::size_t>(tip.iItem)));
        if (tip.pszText != nullptr && tip.cchTextMax > 0) {
            const std::size_t room = static_cast<std::size_t>(tip.cchTextMax) - 1;
            const std::size_t length = std::min(text.size(), room);
            text.copy(tip.pszText, length);
            tip.pszText[length] = L'\0';
        }
        result = 0;
        return true;
    }
    if (header.code == NM_DBLCLK) {
        if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) accept();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace vx
