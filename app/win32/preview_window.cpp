#include "app/win32/preview_window.h"

#include <algorithm>

#include "app/win32/symbol_painter.h"
#include "resources/resource.h"

namespace vx {

namespace {

constexpr COLORREF kWarningColour = RGB(192, 0, 0);
// A margin keeps the label's outline off the canvas's border.
constexpr int kCanvasMargin = 8;

void setText(HWND control, const std::string& utf8) {
    SetWindowTextW(control, widen(utf8).c_str());
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

void PreviewWindow::show(const PreviewSubject& subject, const PreviewPrinter& printer) {
    subject_ = subject;
    printer_ = printer;
    bool dataReplaced = false;
    content_ = session_.update(subject, printer, dataReplaced);
    refresh(dataReplaced);
}

void PreviewWindow::refresh(bool dataReplaced) {
    if (hwnd() == nullptr) return;
    if (dataReplaced) {
        filling_ = true;
        setText(item(IDC_PREVIEW_DATA), session_.data().value_or(""));
        filling_ = false;
    }
    EnableWindow(item(IDC_PREVIEW_DATA), content_.symbol ? TRUE : FALSE);
    setText(item(IDC_PREVIEW_TITLE), content_.title);
    std::string info;
    for (const std::string& line : content_.lines) info += line + "\n";
    info += scaleLine(canvasScale());
    setText(item(IDC_PREVIEW_INFO), info);
    setText(item(IDC_PREVIEW_WARNING), content_.warning);
    InvalidateRect(item(IDC_PREVIEW_CANVAS), nullptr, FALSE);
}

bool PreviewWindow::onCommand(int id, int code, HWND control) {
    (void)control;
    if (id == IDC_PREVIEW_DATA && code == EN_CHANGE) {
        if (filling_ || !subject_) return true;
        session_.setData(windowText(item(IDC_PREVIEW_DATA)));
        bool dataReplaced = false;
        content_ = session_.update(*subject_, printer_, dataReplaced);
        refresh(dataReplaced);
        return true;
    }
    // Esc and the close box hide the window; Enter changes nothing.
    if (id == IDCANCEL) {
        ShowWindow(hwnd(), SW_HIDE);
        return true;
    }
    return id == IDOK;
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

PreviewScale PreviewWindow::canvasScale() const {
    RECT canvas{};
    GetClientRect(item(IDC_PREVIEW_CANVAS), &canvas);
    HDC screen = GetDC(nullptr);
    const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return previewScale(content_, canvas.right - 2 * kCanvasMargin,
                        canvas.bottom - 2 * kCanvasMargin, screenDpi);
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
    symbolPixels_ = paintPreview(memory, area, content_, canvasScale());
    BitBlt(drawn.hDC, box.left, box.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace vx
