#include "tests/printer/win32/modal_script.h"

namespace vx::test {

namespace {

ModalScript* current = nullptr;

struct Search {
    const std::wstring* caption;
    HWND found;
};

BOOL CALLBACK findCaption(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && text(window) == *search->caption &&
        IsWindowVisible(window) && IsWindowEnabled(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> children(HWND parent, const wchar_t* className) {
    struct Collect {
        const wchar_t* className;
        std::vector<HWND> windows;
    } collect{className, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto* c = reinterpret_cast<Collect*>(parameter);
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (lstrcmpiW(name, c->className) == 0) c->windows.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&collect));
    return collect.windows;
}

bool isIconStatic(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

HWND readyDialog(const std::wstring& caption) {
    Search search{&caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring text(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring result(static_cast<std::size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, result.data(), length + 1);
    result.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return result;
}

std::wstring messageBoxText(HWND box) {
    for (HWND child : children(box, L"Static")) {
        if (!isIconStatic(child) && GetWindowTextLengthW(child) > 0) return text(child);
    }
    return {};
}

std::vector<std::wstring> messageBoxButtons(HWND box) {
    std::vector<std::wstring> captions;
    for (HWND child : children(box, L"Button")) {
        if (IsWindowVisible(child)) captions.push_back(text(child));
    }
    return captions;
}

HICON messageBoxIcon(HWND box) {
    for (HWND child : children(box, L"Static")) {
        if (isIconStatic(child)) {
            return reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
    }
    return nullptr;
}

void click(HWND dialog, int buttonId) {
    PostMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

ModalScript::ModalScript(std::chrono::milliseconds deadline)
    : deadline_(std::chrono::steady_clock::now() + deadline) {
    current = this;
    timer_ = SetTimer(nullptr, 0, 30, &ModalScript::tick);
}

ModalScript::~ModalScript() {
    KillTimer(nullptr, timer_);
    current = nullptr;
}

ModalScript& ModalScript::when(Find find, Act act) {
    steps_.push_back({std::move(find), std::move(act)});
    return *this;
}

ModalScript& ModalScript::onDialog(const std::wstring& caption, Act act) {
    return when([caption] { return readyDialog(caption); }, std::move(act));
}

void CALLBACK ModalScript::tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current != nullptr) current->run();
}

void ModalScript::run() {
    if (busy_) return;  // a step's own modal loop ticks too
    busy_ = true;
    if (std::chrono::steady_clock::now() > deadline_) {
        // Give up: cancel every dialog and message box of this thread.
        timedOut_ = true;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM) -> BOOL {
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
                PostMessageW(window, WM_COMMAND, IDOK, 0);
                return TRUE;
            },
            0);
    } else if (next_ < steps_.size()) {
        if (HWND window = steps_[next_].find()) {
            Act act = steps_[next_].act;
            ++next_;
            act(window);
        }
    }
    busy_ = false;
}

}  // namespace vx::test
