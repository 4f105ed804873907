#include "app/win32/preview_window.h"

#include <commdlg.h>

#include <algorithm>
#include <cmath>

#include "app/tool_caption.h"
#include "preview/svg_file.h"
#include "preview/svg_writer.h"
#include "preview/win32/installed_faces.h"
#include "preview/win32/symbol_painter.h"
#include "resources/resource.h"

namespace vx {

namespace {

constexpr COLORREF kWarningColour = RGB(192, 0, 0);
// A margin keeps the label's outline off the canvas's border.
constexpr int kCanvasMargin = 8;
// One click on a scroll bar's arrow, or one notch of the wheel.
constexpr int kScrollStep = 24;

// The zoom list, in the order of PreviewZoom.
constexpr const char* kZoomNames[] = {"実寸", "2倍", "4倍", "ウィンドウに合わせる"};

void setText(HWND control, const std::string& utf8) {
    SetWindowTextW(control, widen(utf8).c_str());
}

bool drawsSomething(const PreviewContent& content) {
    return content.symbol && content.symbol->error.empty();
}

}  // namespace

bool PreviewWindow::open(HWND owner) {
    if (hwnd() == nullptr && !createModeless(owner, IDD_PREVIEW)) return false;
    if (!IsWindowVisible(hwnd())) {
        // Beside the main window, where it does not hide the page being edited.
        RECT ownerBox{}, box{};
        GetWindowRect(owner, &ownerBox);
        GetWindowRect(hwnd(), &box);
        const int width = box.right - box.left;
        const int screen = GetSystemMetrics(SM_CXSCREEN);
        const int x =
            ownerBox.right + width <= screen ? ownerBox.right : std::max(0, screen - width);
        SetWindowPos(hwnd(), nullptr, x, ownerBox.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    return true;
}

BOOL PreviewWindow::onInitDialog() {
    HWND zoom = item(IDC_PREVIEW_ZOOM);
    for (const char* name : kZoomNames) {
        SendMessageW(zoom, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    }
    SendMessageW(zoom, CB_SETCURSEL, static_cast<WPARAM>(zoom_), 0);
    keys_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PREVIEW_KEYS));
    session_.setFaceLookup(installedFaces());
    return TRUE;
}

void PreviewWindow::show(const PreviewSubject& subject, const PreviewPrinter& printer) {
    subject_ = subject;
    printer_ = printer;
    bool dataReplaced = false;
    content_ = session_.update(subject, printer, dataReplaced);
    if (dataReplaced && hwnd() != nullptr) {
        const SIZE room = canvasRoom();
        scroll_ = scrollToFont(content_, scaleAt(zoom_), room.cx, room.cy);
    }
    refresh(dataReplaced);
}

bool PreviewWindow::translate(MSG& message) {
    if (keys_ != nullptr && TranslateAcceleratorW(hwnd(), keys_, &message)) return true;
    if (message.message == WM_MOUSEWHEEL) {
        // The wheel scrolls the drawing; with Ctrl it zooms, with Shift it scrolls across.
        const int notches = GET_WHEEL_DELTA_WPARAM(message.wParam) / WHEEL_DELTA;
        const WORD keys = GET_KEYSTATE_WPARAM(message.wParam);
        if (keys & MK_CONTROL) {
            if (notches != 0)
                onCommand(notches > 0 ? ID_PREVIEW_ZOOM_IN : ID_PREVIEW_ZOOM_OUT, 0, nullptr);
        } else if (keys & MK_SHIFT) {
            scrollTo({scroll_.x - notches * kScrollStep, scroll_.y});
        } else {
            scrollTo({scroll_.x, scroll_.y - notches * kScrollStep});
        }
        return true;
    }
    return IsDialogMessageW(hwnd(), &message) != FALSE;
}

void PreviewWindow::refresh(bool dataReplaced) {
    if (hwnd() == nullptr) return;
    if (dataReplaced) {
        filling_ = true;
        setText(item(IDC_PREVIEW_DATA), session_.data().value_or(""));
        filling_ = false;
    }
    EnableWindow(item(IDC_PREVIEW_DATA), content_.symbol ? TRUE : FALSE);
    EnableWindow(item(IDC_PREVIEW_SAVE_SVG), drawsSomething(content_) ? TRUE : FALSE);
    setText(item(IDC_PREVIEW_TITLE), content_.title);
    std::string info;
    for (const std::string& line : content_.lines) info += line + "\n";
    info += scaleLine(scaleAt(zoom_));
    setText(item(IDC_PREVIEW_INFO), info);
    setText(item(IDC_PREVIEW_WARNING), content_.warning);
    updateScrollBars();
    InvalidateRect(item(IDC_PREVIEW_CANVAS), nullptr, FALSE);
}

bool PreviewWindow::onCommand(int id, int code, HWND control) {
    (void)control;
    switch (id) {
        case IDC_PREVIEW_DATA: {
            if (code != EN_CHANGE || filling_ || !subject_) return true;
            session_.setData(windowText(item(IDC_PREVIEW_DATA)));
            bool dataReplaced = false;
            content_ = session_.update(*subject_, printer_, dataReplaced);
            refresh(dataReplaced);
            return true;
        }
        case IDC_PREVIEW_ZOOM:
            if (code == CBN_SELCHANGE) {
                const auto chosen = SendMessageW(item(IDC_PREVIEW_ZOOM), CB_GETCURSEL, 0, 0);
                if (chosen >= 0) setZoom(static_cast<PreviewZoom>(chosen));
            }
            return true;
        case ID_PREVIEW_ZOOM_IN:
        case ID_PREVIEW_ZOOM_OUT: {
            const int fit = scaleAt(PreviewZoom::FitWindow).percent;
            setZoom(id == ID_PREVIEW_ZOOM_IN ? zoomedIn(zoom_, fit) : zoomedOut(zoom_, fit));
            return true;
        }
        case ID_PREVIEW_TRUE_SIZE:
            setZoom(PreviewZoom::TrueSize);
            return true;
        case IDC_PREVIEW_SAVE_SVG:
            if (code == BN_CLICKED) saveSvg();
            return true;
        // Esc and the close box hide the window; Enter changes nothing.
        case IDCANCEL:
            ShowWindow(hwnd(), SW_HIDE);
            return true;
        default:
            return id == IDOK;
    }
}

bool PreviewWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_DRAWITEM: {
            const auto& drawn = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (drawn.CtlID != IDC_PREVIEW_CANVAS) return false;
            paintCanvas(drawn);
            result = TRUE;
            return true;
        }
        case WM_HSCROLL:
        case WM_VSCROLL:
            onScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            result = 0;
            return true;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) != item(IDC_PREVIEW_WARNING)) return false;
            SetTextColor(reinterpret_cast<HDC>(wParam), kWarningColour);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
            return true;
        case WM_CLOSE:
            ShowWindow(hwnd(), SW_HIDE);
            result = 0;
            return true;
        default:
            return false;
    }
}

SIZE PreviewWindow::canvasRoom() const {
    RECT canvas{};
    GetClientRect(item(IDC_PREVIEW_CANVAS), &canvas);
    return {canvas.right - 2 * kCanvasMargin, canvas.bottom - 2 * kCanvasMargin};
}

PreviewScale PreviewWindow::scaleAt(PreviewZoom zoom) const {
    HDC screen = GetDC(nullptr);
    const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const SIZE room = canvasRoom();
    return previewScale(content_, room.cx, room.cy, screenDpi, zoom);
}

void PreviewWindow::setZoom(PreviewZoom zoom) {
    zoom_ = zoom;
    SendMessageW(item(IDC_PREVIEW_ZOOM), CB_SETCURSEL, static_cast<WPARAM>(zoom), 0);
    const SIZE room = canvasRoom();
    scroll_ = scrollToFont(content_, scaleAt(zoom_), room.cx, room.cy);
    refresh(false);
}

void PreviewWindow::updateScrollBars() {
    const PreviewScale scale = scaleAt(zoom_);
    const SIZE room = canvasRoom();
    auto update = [](HWND bar, double scene, int page, int& position) {
        const int length = static_cast<int>(std::ceil(scene));
        position = std::clamp(position, 0, std::max(0, length - page));
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMax = std::max(0, length - 1);
        info.nPage = static_cast<UINT>(std::max(page, 1));
        info.nPos = position;
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
    };
    update(item(IDC_PREVIEW_HSCROLL), scale.sceneWidth, room.cx, scroll_.x);
    update(item(IDC_PREVIEW_VSCROLL), scale.sceneHeight, room.cy, scroll_.y);
}

void PreviewWindow::scrollTo(ScrollPosition position) {
    scroll_ = position;
    updateScrollBars();
    InvalidateRect(item(IDC_PREVIEW_CANVAS), nullptr, FALSE);
}

void PreviewWindow::onScroll(HWND bar, int request) {
    const bool across = bar == item(IDC_PREVIEW_HSCROLL);
    if (!across && bar != item(IDC_PREVIEW_VSCROLL)) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    int position = info.nPos;
    const int page = static_cast<int>(info.nPage);
    switch (request) {
        case SB_LINEUP:
            position -= kScrollStep;
            break;
        case SB_LINEDOWN:
            position += kScrollStep;
            break;
        case SB_PAGEUP:
            position -= page;
            break;
        case SB_PAGEDOWN:
            position += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = 0;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    scrollTo(across ? ScrollPosition{position, scroll_.y} : ScrollPosition{scroll_.x, position});
}

void PreviewWindow::paintCanvas(const DRAWITEMSTRUCT& drawn) {
    const RECT& box = drawn.rcItem;
    const int width = box.right - box.left, height = box.bottom - box.top;
    // Drawn off-screen first, so that typing does not flicker.
    HDC memory = CreateCompatibleDC(drawn.hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(drawn.hDC, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT whole{0, 0, width, height};
    FillRect(memory, &whole, GetSysColorBrush(COLOR_BTNFACE));
    RECT area{kCanvasMargin, kCanvasMargin, width - kCanvasMargin, height - kCanvasMargin};
    symbolPixels_ = paintPreview(memory, area, content_, scaleAt(zoom_), scroll_);
    BitBlt(drawn.hDC, box.left, box.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void PreviewWindow::saveSvg() {
    if (!drawsSomething(content_)) return;
    // The font's name, before the type, names the file.
    std::wstring file = widen(content_.title.substr(0, content_.title.find("：")));
    file += L".svg";
    file.resize(MAX_PATH * 4, L'\0');
    static const wchar_t kFilter[] = L"SVG 画像 (*.svg)\0*.svg\0すべてのファイル (*.*)\0*.*\0";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"svg";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return;
    file.resize(wcslen(file.c_str()));
    if (!saveSvgTo(file)) {
        const std::wstring text = L"SVG ファイルを保存できませんでした。\n" + file;
        MessageBoxW(hwnd(), text.c_str(), widen(kToolCaption).c_str(), MB_OK | MB_ICONERROR);
    }
}

bool PreviewWindow::saveSvgTo(const std::filesystem::path& file) const {
    return drawsSomething(content_) &&
           saveSvgFile(file, fontPreviewSvg(*content_.symbol, content_.dpi));
}

}  // namespace vx
