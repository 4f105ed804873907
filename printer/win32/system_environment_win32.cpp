#include "printer/win32/system_environment_win32.h"

#include <windows.h>

#include "settings/codepage.h"

namespace vx {

namespace {

std::wstring wideFromUtf8(std::string_view utf8) {
    std::u16string wide = utf16FromUtf8(utf8);
    return std::wstring(wide.begin(), wide.end());
}

std::string utf8FromWide(std::wstring_view wide) {
    return utf8FromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

}  // namespace

std::optional<std::string> Win32Environment::variable(std::string_view name) const {
    std::wstring wideName = wideFromUtf8(name);
    // Values may be longer than any fixed buffer: ask for the size first,
    // and again if the value grew in between.
    std::wstring value;
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
        if (size == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::string();
        }
        value.assign(size, L'\0');
        DWORD got = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
        if (got == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
            return std::string();
        }
        if (got < size) {
            value.resize(got);
            return utf8FromWide(value);
        }
    }
}

std::optional<WindowsVersion> Win32Environment::windowsVersion() const {
    // RtlGetVersion (present on every Windows NT) reports the real version,
    // whatever the program's manifest declares.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll != nullptr
                             ? reinterpret_cast<RtlGetVersionFunction>(
                                   reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                             : nullptr;
    bool ok = rtlGetVersion != nullptr && rtlGetVersion(&info) == 0;
    if (!ok) return std::nullopt;
    return WindowsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::optional<std::string> Win32Environment::windowsDirectory() const {
    std::wstring directory;
    for (;;) {
        UINT size = GetWindowsDirectoryW(nullptr, 0);
        if (size == 0) return std::nullopt;
        directory.assign(size, L'\0');
        UINT got = GetWindowsDirectoryW(directory.data(), size);
        if (got == 0) return std::nullopt;
        if (got < size) {
            directory.resize(got);
            return utf8FromWide(directory);
        }
    }
}

}  // namespace vx
