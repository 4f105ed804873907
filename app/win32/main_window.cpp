#include "app/win32/main_window.h"

#include <htmlhelp.h>

#include <string>

#include "app/preview_subject.h"
#include "app/win32/about_dialog.h"
#include "events/change_event.h"
#include "history/history_location.h"
#include "preview/label_size.h"
#include "resources/resource.h"
#include "settings/file_io.h"
#include "vx_version.h"

namespace vx {

namespace {

constexpr wchar_t kHelpFileName[] = L"VXDrvFontTool.chm";
constexpr std::string_view kStatusPrinterFormat = "プリンタドライバ名： ";

struct TabSpec {
    const char* text;
    int image;
};
constexpr TabSpec kTabs[kPageCount] = {
    {"内蔵１次元コード", 0},
    {"内蔵２次元コード", 1},
    {"内蔵フォント　　", 2},
};

// A menu bitmap with its grey background (RGB 192, 192, 192) made
// transparent, as a 32-bit bitmap with alpha that menus draw blended.
HBITMAP loadMenuBitmap(int id) {
    HBITMAP source = static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (source == nullptr) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP result = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (result != nullptr && GetDIBits(screen, source, 0, 16, bits, &info, DIB_RGB_COLORS) == 16) {
        auto* pixels = static_cast<DWORD*>(bits);
        for (int i = 0; i < 16 * 16; ++i) {
            const DWORD rgb = pixels[i] & 0x00FFFFFF;
            pixels[i] = rgb == 0x00C0C0C0 ? 0 : (rgb | 0xFF000000);
        }
    }
    ReleaseDC(nullptr, screen);
    DeleteObject(source);
    return result;
}

std::filesystem::path executableDirectory() {
    return std::filesystem::path(executablePath()).parent_path();
}

}  // namespace

MainWindow::MainWindow(SettingsStore& store, Spooler& spooler, PrinterChooser& chooser,
                       MainWindowLogic::Locator locator)
    : store_(store),
      spooler_(spooler),
      labelPrinter_(spooler),
      staging_([this] { makeFrame(); }, pages_),
      logic_(store, {nullptr, nullptr, nullptr},  // the pages exist once the window does
             *this, messages_, chooser, std::move(locator), *this, labelPrinter_) {
    accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU));
    logic_.setHistoryPlaces(defaultHistoryPlaces(), localTimeNow);
    logic_.setVersionChooser(&historyDialog_);
    logic_.setChangeRecording(&platformEventWriter(),
                              currentAuthor("VXDrvFontTool " VX_VERSION_TEXT));
}

MainWindow::~MainWindow() {
    if (tabImages_ != nullptr) ImageList_Destroy(tabImages_);
    for (HBITMAP bitmap : menuBitmaps_) {
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
    if (icon_ != nullptr) DestroyIcon(icon_);
}

bool MainWindow::open() {
    if (!createModeless(nullptr, IDD_MAIN) || closed_) return false;
    ShowWindow(hwnd(), SW_SHOW);
    return true;
}

void MainWindow::runUntilClosed() {
    MSG message;
    while (!closed_) {
        // Handlers report what escapes them themselves (Dialog); the idle
        // work is the loop's own.
        try {
            idle();
        } catch (const std::exception& escaped) {
            reportEscape(hwnd(), escaped);
        }
        if (closed_ || GetMessageW(&message, nullptr, 0, 0) <= 0) break;
        handle(message);
    }
}

void MainWindow::handle(MSG& message) {
    if (!preTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool MainWindow::preTranslate(MSG& message) {
    // The preview has its own keys; its data box keeps the edit keys (Ctrl+C copies there).
    if (preview_.hwnd() != nullptr &&
        (message.hwnd == preview_.hwnd() || IsChild(preview_.hwnd(), message.hwnd))) {
        return preview_.translate(message);
    }
    // Alt+F4 is the system's close key wherever the focus is in the window.
    if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4) {
        SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    // The shortcuts come before the focused control and the dialog's own
    // keys, so Ctrl+C in an edit chooses the printer instead of copying.
    if (accelerators_ != nullptr && TranslateAcceleratorW(hwnd(), accelerators_, &message)) {
        return true;
    }
    return IsDialogMessageW(hwnd(), &message) != FALSE;
}

BOOL MainWindow::onInitDialog() {
    messages_.setOwner(hwnd());
    win32SheetPorts_.setOwner(hwnd());
    logic_.initialise();
    return TRUE;
}

void MainWindow::makeFrame() {
    setUpMenu();
    locateHelpFile();
    icon_ = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 16, 16, 0));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    createToolbar();
    createStatusBar();
    createTabs();
    createPages();
}

// The pages' windows and logic, hidden and their controls still to come.
// The logic shows a page once it is whole and filled.
void MainWindow::createPages() {
    std::array<SettingPage*, kPageCount> pages{};
    for (int n = 0; n < kPageCount; ++n) {
        pages_[n] = std::make_unique<SettingPageSlot>(static_cast<PageKind>(n), hwnd(), store_);
        pages[n] = pages_[n]->page.get();
    }
    logic_.setPages(pages);
    SetWindowPos(pages_[0]->view.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// The template gives the window its menu; the bitmaps go onto that one (a
// second copy set in its place would leave the first to leak).
void MainWindow::setUpMenu() {
    menu_ = GetMenu(hwnd());
    if (menu_ == nullptr) {
        menu_ = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINMENU));
        SetMenu(hwnd(), menu_);
    }
    constexpr std::pair<int, int> kBitmaps[] = {
        {ID_FILE_SAVE, IDB_MENU_SAVE},
        {ID_FILE_CHOOSE_PRINTER, IDB_MENU_PRINTER},
        {ID_SHOW_PAGE_BARCODE, IDB_MENU_BARCODE},
        {ID_SHOW_PAGE_CODE2D, IDB_MENU_CODE2D},
        {ID_SHOW_PAGE_FONT, IDB_MENU_FONT},
    };
    for (std::size_t i = 0; i < std::size(kBitmaps); ++i) {
        menuBitmaps_[i] = loadMenuBitmap(kBitmaps[i].second);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = menuBitmaps_[i];
        SetMenuItemInfoW(menu_, static_cast<UINT>(kBitmaps[i].first), FALSE, &item);
    }
}

void MainWindow::locateHelpFile() {
    std::filesystem::path help = executableDirectory() / kHelpFileName;
    logic_.setHelpFile(help);
    if (!fileExists(help)) EnableMenuItem(menu_, ID_HELP_CONTENTS, MF_BYCOMMAND | MF_GRAYED);
}

void MainWindow::createToolbar() {
    toolbar_ = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, nullptr,
        WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE | CCS_TOP, 0, 0, 0, 0,
        hwnd(), reinterpret_cast<HMENU>(IDC_MAIN_TOOLBAR), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    TBADDBITMAP strip{GetModuleHandleW(nullptr), IDB_TOOLBAR};
    SendMessageW(toolbar_, TB_ADDBITMAP, 3, reinterpret_cast<LPARAM>(&strip));
    TBBUTTON buttons[] = {
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {0, ID_TOOLBAR_SAVE, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {1, ID_TOOLBAR_CHOOSE_PRINTER, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {2, ID_TOOLBAR_PREVIEW, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
    };
    SendMessageW(toolbar_, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

void MainWindow::createStatusBar() {
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 hwnd(), reinterpret_cast<HMENU>(IDC_MAIN_STATUSBAR),
                                 GetModuleHandleW(nullptr), nullptr);
    RECT bounds{};
    GetClientRect(statusBar_, &bounds);
    const int width = bounds.right - bounds.left;
    int parts[2] = {width / 5 * 3, -1};
    SendMessageW(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void MainWindow::createTabs() {
    HWND tab = item(IDC_MAIN_TAB);
    tabImages_ = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TAB_IMAGES),
                                      16, 0, RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    TabCtrl_SetImageList(tab, tabImages_);
    for (int n = 0; n < kPageCount; ++n) {
        std::wstring text = widen(kTabs[n].text);
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text.data();
        item.iImage = kTabs[n].image;
        SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&item));
    }
    TabCtrl_SetCurSel(tab, 0);
}

bool MainWindow::onCommand(int id, int code, HWND control) {
    (void)code, (void)control;
    switch (id) {
        case ID_FILE_SAVE:
        case ID_TOOLBAR_SAVE:
            logic_.saveSettings();
            updatePreview();  // the file may have been loaded again
            return true;
        case ID_FILE_CHOOSE_PRINTER:
        case ID_TOOLBAR_CHOOSE_PRINTER:
            logic_.choosePrinterDriver();
            updatePreview();
            return true;
        case ID_FILE_RESTORE_HISTORY:
            logic_.restoreFromHistory();
            updatePreview();
            return true;
        case ID_FILE_SAVE_SHEET:
            logic_.saveSettingsSheet(*sheetPorts_);
            return true;
        case ID_FILE_EXIT:
            logic_.confirmExit();
            return true;
        case ID_SHOW_PAGE_BARCODE:
            logic_.selectPage(PageKind::Barcode);
            return true;
        case ID_SHOW_PAGE_CODE2D:
            logic_.selectPage(PageKind::Code2D);
            return true;
        case ID_SHOW_PAGE_FONT:
            logic_.selectPage(PageKind::CharacterFont);
            return true;
        case ID_HELP_CONTENTS:
            logic_.openHelp();
            return true;
        case ID_HELP_ABOUT: {
            AboutDialog about;
            about.runModal(hwnd(), IDD_ABOUTBOX);
            return true;
        }
        case ID_FACTORY_SETTINGS:
            logic_.factorySettings();
            updatePreview();
            return true;
        case ID_SHOW_PREVIEW:
        case ID_TOOLBAR_PREVIEW:
            openPreview();
            return true;
        case ID_TEST_PRINT:
            logic_.testPrint();
            return true;
        // Enter and Esc do nothing: the window ends only through the exit prompt.
        case IDOK:
        case IDCANCEL:
            return true;
        default:
            return false;
    }
}

bool MainWindow::onNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_MAIN_TAB && header.code == TCN_SELCHANGE) {
        logic_.selectPage(static_cast<PageKind>(TabCtrl_GetCurSel(header.hwndFrom)), true);
        return true;
    }
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        const UINT_PTR id = header.idFrom;
        if (id >= ID_TOOLBAR_TOOLTIP_FIRST && id <= ID_TOOLBAR_TOOLTIP_LAST) {
            // At most 79 characters fit the tooltip's own buffer.
            LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id), info.szText,
                        static_cast<int>(std::size(info.szText)));
            info.lpszText = info.szText;
            result = 0;
            return true;
        }
    }
    return false;
}

bool MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)lParam;
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                logic_.confirmExit();
                result = 0;
                return true;
            }
            return false;
        case WM_CLOSE:
            // Only the Close system command ends the tool, through the prompt.
            result = 0;
            return true;
        case WM_SIZE:
            adjustSystemMenu();
            return false;
        case kPageEditedMessage:
            updatePreview();
            result = 0;
            return true;
        case WM_ENTERIDLE:
            if (wParam == MSGF_DIALOGBOX) staging_.dialogIdle(reinterpret_cast<HWND>(lParam));
            return false;
        case WM_PAINT:
            if (!IsIconic(hwnd())) return false;
            {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(hwnd(), &paint);
                RECT client;
                GetClientRect(hwnd(), &client);
                DrawIconEx(dc, (client.right - 16) / 2, (client.bottom - 16) / 2, icon_, 16, 16, 0,
                           nullptr, DI_NORMAL);
                EndPaint(hwnd(), &paint);
            }
            return true;
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(icon_);
            return true;
        default:
            return false;
    }
}

void MainWindow::adjustSystemMenu() {
    HMENU system = GetSystemMenu(hwnd(), FALSE);
    if (system == nullptr) return;
    const bool minimised = IsIconic(hwnd()) != FALSE;
    EnableMenuItem(system, SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(system, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(system, SC_RESTORE, MF_BYCOMMAND | (minimised ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(system, SC_MINIMIZE, MF_BYCOMMAND | (minimised ? MF_GRAYED : MF_ENABLED));
}

void MainWindow::showPrinterName(const std::string& printerName) {
    staging_.frame();  // the status bar may still wait for an idle moment
    std::wstring text = widen(std::string(kStatusPrinterFormat) + printerName);
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    previewPrinter_.reset();
}

void MainWindow::selectTab(int page) { TabCtrl_SetCurSel(item(IDC_MAIN_TAB), page); }

void MainWindow::showOnlyPage(int page) {
    // The page in front stays as it is: hiding it first would repaint it whole.
    for (int n = 0; n < kPageCount; ++n) {
        if (n != page) ShowWindow(pages_[n]->view.hwnd(), SW_HIDE);
    }
    ShowWindow(pages_[page]->view.hwnd(), SW_SHOW);
    updatePreview();
}

bool MainWindow::tabControlHasFocus() const { return GetFocus() == item(IDC_MAIN_TAB); }

void MainWindow::focusPage(int page) {
    HWND first = GetNextDlgTabItem(pages_[page]->view.hwnd(), nullptr, FALSE);
    if (first != nullptr) SetFocus(first);
}

void MainWindow::close() {
    closed_ = true;
    PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the message loop
}

bool MainWindow::show(const std::filesystem::path& helpFile) {
    return HtmlHelpW(nullptr, helpFile.wstring().c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}

void MainWindow::openPreview() {
    if (!preview_.open(hwnd())) return;
    updatePreview();
}

void MainWindow::updatePreview() {
    if (!preview_.isOpen()) return;
    const int page = TabCtrl_GetCurSel(item(IDC_MAIN_TAB));
    if (page < 0 || page >= kPageCount || !pages_[page] || !pages_[page]->completed()) return;
    const auto kind = static_cast<PageKind>(page);
    preview_.show(describedSubject(kind, *pages_[page]->page), previewPrinter());
}

const PreviewPrinter& MainWindow::previewPrinter() {
    if (!previewPrinter_) {
        PreviewPrinter printer;
        printer.name = logic_.printerName();
        if (!printer.name.empty()) {
            // The resolution as the test print reads it.
            printer.resolution = labelPrinter_.verticalResolution(printer.name);
            if (std::optional<DevicePaper> paper = readDevicePaper(printer.name, spooler_)) {
                printer.label = labelFromDevicePaper(*paper);
            }
        }
        previewPrinter_ = printer;
    }
    return *previewPrinter_;
}

}  // namespace vx
