// The yardstick of the start-up benchmark: the least a dialog program with a
// list view does before it shows (common controls, a modal dialog from a
// template, one column and a few items), started the same way as the tool.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

namespace {

constexpr int kDialog = 100;  // bare_dialog.rc
constexpr int kList = 1000;

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            HWND list = GetDlgItem(dialog, kList);
            wchar_t header[] = L"名前";
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH | LVCF_TEXT;
            column.cx = 300;
            column.pszText = header;
            SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
            wchar_t items[][8] = {L"項目 1", L"項目 2", L"項目 3"};
            for (int i = 0; i < 3; ++i) {
                LVITEMW entry{};
                entry.mask = LVIF_TEXT;
                entry.iItem = i;
                entry.pszText = items[i];
                SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
            }
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxW(instance, MAKEINTRESOURCEW(kDialog), nullptr, dialogProc);
    return 0;
}
