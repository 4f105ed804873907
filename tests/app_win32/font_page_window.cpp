#include "tests/app_win32/font_page_window.h"

#include <commctrl.h>

#include <atomic>
#include <system_error>

#include "resources/resource.h"
#include "settings/codepage.h"
#include "settings/file_io.h"
#include "settings/ini_document.h"

namespace vx::test {

namespace {

std::filesystem::path uniqueDirectory() {
    static std::atomic<int> counter{0};
    // A folder name outside ASCII, as users have them.
    const std::wstring name = L"vx-フォント設定-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(counter++);
    std::filesystem::path directory = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(directory);
    return directory;
}

void initialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
}

}  // namespace

// The font-name and type lists of each page, in the pages' order.
constexpr std::pair<int, int> kPageLists[] = {
    {IDC_BC_FONT_NAME, IDC_BC_TYPE},
    {IDC_CODE2D_FONT_NAME, IDC_CODE2D_TYPE},
    {IDC_FONT_FONT_NAME, IDC_FONT_TYPE},
};

FontPageWindow::FontPageWindow(PageKind kind)
    : kind_(kind),
      fontNameList_(kPageLists[static_cast<int>(kind)].first),
      typeList_(kPageLists[static_cast<int>(kind)].second),
      directory_(uniqueDirectory()) {
    initialiseCommonControls();
    file_ = directory_ / L"ALTOD.DVF";
    std::filesystem::copy_file(std::filesystem::path(widen(VX_DEMO_DIR)) / L"ALTOD.DVF", file_);
    const std::filesystem::path located = file_;
    window_ =
        std::make_unique<MainWindow>(store_, spooler_, chooser_, [located](const std::string&) {
            return LocateResult{LocateOutcome::Located, std::string("ZEL Vextora test driver"),
                                located};
        });
    if (!window_->open()) return;
    window_->logic().selectPage(kind_);
    pump();
}

FontPageWindow::~FontPageWindow() {
    window_.reset();
    pump();
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

void FontPageWindow::pump() {
    MSG message;
    // As the window's own loop does, but without idle moments: the pages not
    // shown stay as they are.
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window_ != nullptr && window_->hwnd() != nullptr) {
            window_->handle(message);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void FontPageWindow::notify(int id, int code) {
    SendMessageW(page(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(item(id)));
}

void FontPageWindow::choose(int listId, int position) {
    SendMessageW(item(listId), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    notify(listId, CBN_SELCHANGE);
}

bool FontPageWindow::choose(int listId, std::wstring_view text) {
    for (int i = 0; i < itemCount(listId); ++i) {
        if (itemText(listId, i) == text) {
            choose(listId, i);
            return true;
        }
    }
    return false;
}

void FontPageWindow::chooseFont(int fontIndex) { choose(fontNameList_, fontIndex); }
void FontPageWindow::chooseType(int typeIndex) { choose(typeList_, typeIndex); }

void FontPageWindow::click(int checkBoxId) {
    // BM_CLICK ticks an automatic check box and sends BN_CLICKED, as a click does.
    SendMessageW(item(checkBoxId), BM_CLICK, 0, 0);
    pump();
}

void FontPageWindow::type(int editId, std::wstring_view text) {
    SetWindowTextW(item(editId), std::wstring(text).c_str());
}

void FontPageWindow::leave(int editId) {
    SetFocus(item(editId));
    SetFocus(item(fontNameList_));
    pump();
}

void FontPageWindow::typeAndLeave(int editId, std::wstring_view text) {
    type(editId, text);
    leave(editId);
}

void FontPageWindow::pressKey(int editId, UINT virtualKey) {
    SetFocus(item(editId));
    SendMessageW(item(editId), WM_KEYDOWN, virtualKey, 1);
    SendMessageW(item(editId), WM_KEYUP, virtualKey, 0xC0000001);
    pump();
}

std::wstring FontPageWindow::text(int id) const { return widen(windowText(item(id))); }

bool FontPageWindow::checked(int id) const {
    return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int FontPageWindow::itemCount(int listId) const {
    return static_cast<int>(SendMessageW(item(listId), CB_GETCOUNT, 0, 0));
}

std::wstring FontPageWindow::itemText(int listId, int position) const {
    const LRESULT length = SendMessageW(item(listId), CB_GETLBTEXTLEN, position, 0);
    if (length == CB_ERR) return {};
    std::wstring result(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(item(listId), CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(result.data()));
    result.resize(static_cast<std::size_t>(length));
    return result;
}

std::wstring FontPageWindow::selectedText(int listId) const {
    const LRESULT position = SendMessageW(item(listId), CB_GETCURSEL, 0, 0);
    return position == CB_ERR ? std::wstring() : itemText(listId, static_cast<int>(position));
}

std::string fileValue(const std::filesystem::path& file, std::string_view section,
                      std::string_view key) {
    std::optional<std::string> bytes = readFileBytes(file);
    if (!bytes) return {};
    const IniDocument document(std::move(*bytes));
    return utf8FromCp932(document.value(cp932(section), key).value_or(""));
}

}  // namespace vx::test
