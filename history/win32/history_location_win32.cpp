// The history folder and the clock on Windows.
#include <windows.h>
// Needs windows.h first.
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

#include "history/history_location.h"

namespace vx {

namespace {

std::filesystem::path localAppData() {
    std::wstring value(MAX_PATH, L'\0');
    DWORD length =
        GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), static_cast<DWORD>(value.size()));
    if (length > value.size()) {
        value.resize(length);
        length = GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), length);
    }
    if (length > 0 && length < value.size()) {
        value.resize(length);
        return value;
    }
    // Without the variable, the folder the shell knows.
    PWSTR known = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known))) folder = known;
    CoTaskMemFree(known);
    return folder;
}

}  // namespace

std::filesystem::path defaultHistoryRoot() { return historyRootInLocalAppData(localAppData()); }

LocalTime localTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace vx
