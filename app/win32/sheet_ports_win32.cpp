#include "app/win32/sheet_ports_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cwchar>

#include "ui/win32/dialog.h"

namespace vx {

std::optional<SheetChoice> Win32SheetPorts::chooseSheetFile(const std::string& suggestedName) {
    std::wstring file = widen(suggestedName);
    file.resize(MAX_PATH * 4, L'\0');
    // The file type chooses the sheet: the second is the summary.
    static const wchar_t kFilter[] =
        L"設定一覧：すべての項目と図 (*.html)\0*.html;*.htm\0"
        L"設定一覧：要約（全フォントを1つの表に） (*.html)\0*.html;*.htm\0";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"html";
    dialog.lpstrTitle = L"設定一覧を保存";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    dialog.nFilterIndex = 1;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    file.resize(std::wcslen(file.c_str()));
    return SheetChoice{std::filesystem::path(file),
                       dialog.nFilterIndex == 2 ? SheetForm::Summary : SheetForm::Full};
}

bool Win32SheetPorts::openInBrowser(const std::filesystem::path& file) {
    // The file's own association: the user's default browser for .html.
    const HINSTANCE result =
        ShellExecuteW(owner_, L"open", file.wstring().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace vx
