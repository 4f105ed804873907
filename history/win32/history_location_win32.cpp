// The history folder and the clock on Windows.
#include <windows.h>
// Needs windows.h first.
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

#include "history/history_folder.h"
#include "history/history_location.h"

namespace vx {

namespace {

std::filesystem::path knownFolder(REFKNOWNFOLDERID id) {
    PWSTR known = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &known))) folder = known;
    CoTaskMemFree(known);
    return folder;
}

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
    return knownFolder(FOLDERID_LocalAppData);
}

std::filesystem::path systemDirectory() {
    std::wstring value(MAX_PATH, L'\0');
    UINT length = GetSystemDirectoryW(value.data(), static_cast<UINT>(value.size()));
    if (length >= value.size()) {
        value.resize(length);
        length = GetSystemDirectoryW(value.data(), static_cast<UINT>(value.size()));
    }
    if (length == 0 || length >= value.size()) return {};
    value.resize(length);
    return value;
}

}  // namespace

// The machine's folders from the system, never from the environment, which
// the user may change: a program without the administrators' rights must
// not move where the administrators' versions lie.
HistoryPlaces defaultHistoryPlaces() {
    HistoryPlaces places;
    const std::filesystem::path system = systemDirectory();
    if (!system.empty()) places.driverFolder = resolvedPath(system / L"spool" / L"drivers");
    places.machine = historyRootInProgramData(knownFolder(FOLDERID_ProgramData));
    places.user = historyRootInLocalAppData(localAppData());
    return places;
}

LocalTime localTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace vx
