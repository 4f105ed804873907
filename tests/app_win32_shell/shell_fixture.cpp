#include "tests/app_win32_shell/shell_fixture.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace vx::test {

std::optional<std::string> ScriptedChooser::choose(const std::string& currentPrinterName) {
    currentNames.push_back(currentPrinterName);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

TemporaryDirectory::TemporaryDirectory() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        path_ =
            std::filesystem::path(base) / (L"vx-shell-" + std::to_wstring(GetCurrentProcessId()) +
                                           L"-" + std::to_wstring(++counter));
        if (CreateDirectoryW(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return;
    }
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string sampleDriverFontFile() {
    return readBytes(std::filesystem::path(VX_TEST_DATA_DIR) / "all_families.dvf");
}

namespace {

bool isTypedKey(const MSG& message) {
    return message.hwnd == nullptr &&
           (message.message == WM_KEYDOWN || message.message == WM_KEYUP);
}

// What the system does with a typed key as it is taken from the queue.
void routeTypedKey(MSG& message) {
    if (message.wParam == VK_CONTROL) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = state[VK_LCONTROL] = message.message == WM_KEYDOWN ? 0x80 : 0;
        SetKeyboardState(state);
    }
    message.hwnd = GetFocus() != nullptr ? GetFocus() : GetActiveWindow();
}

void postTypedKey(WPARAM key, bool down) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), 0)) << 16;
    PostThreadMessageW(GetCurrentThreadId(), down ? WM_KEYDOWN : WM_KEYUP, key,
                       scan | 1 | (down ? 0 : LPARAM{3} << 30));
}

}  // namespace

void typeAhead(const std::vector<Keystroke>& keys) {
    for (const Keystroke& stroke : keys) {
        if (stroke.control) postTypedKey(VK_CONTROL, true);
        postTypedKey(stroke.key, true);
        postTypedKey(stroke.key, false);
        if (stroke.control) postTypedKey(VK_CONTROL, false);
    }
}

void pumpMessages(MainWindow* window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (isTypedKey(message)) {
            routeTypedKey(message);
            if (message.hwnd == nullptr) continue;
        }
        if (window != nullptr && window->isOpen()) {
            window->handle(message);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool canCreateWindows() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                                 nullptr);
    if (probe == nullptr) return false;
    DestroyWindow(probe);
    return true;
}

std::wstring processTag() { return std::to_wstring(GetCurrentProcessId()); }

std::wstring windowsPathOf(const std::wstring& unixPath) {
    std::wstring path = L"Z:" + unixPath;
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

ShellHarness::ShellHarness(Spooler& spooler, std::string printerName) : spooler_(spooler) {
    driverFontFile = directory.path() / L"ALTOD.DVF";
    writeBytes(driverFontFile, sampleDriverFontFile());
    chooser.answers.push_back(std::move(printerName));
}

bool ShellHarness::openOnly() {
    MainWindowLogic::Locator locator = [this](const std::string& printerName) {
        locatedNames.push_back(printerName);
        LocateResult result;
        result.outcome = LocateOutcome::Located;
        result.driverName = "ZEL Vextora Alto";
        result.path = driverFontFile;
        return result;
    };
    window = std::make_unique<MainWindow>(store, spooler_, chooser, std::move(locator));
    return window->open();
}

bool ShellHarness::open() {
    const bool opened = openOnly();
    pumpMessages(window.get());
    return opened;
}

}  // namespace vx::test
