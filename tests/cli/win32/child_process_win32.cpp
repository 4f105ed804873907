#include <windows.h>

#include "settings/codepage.h"
#include "tests/cli/child_process.h"

namespace vx::test {

namespace {

// One argument as the C runtime splits a command line.
std::wstring quoted(const std::string& utf8) {
    const std::u16string wide = utf16FromUtf8(utf8);
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (char16_t c : wide) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out.push_back(static_cast<wchar_t>(c));
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

}  // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& args) {
    std::wstring command = L"\"" + program.wstring() + L"\"";
    for (const std::string& arg : args) command += L" " + quoted(arg);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        handle_ = reinterpret_cast<long long>(process.hProcess);
    } else {
        ended_ = true;
    }
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
}

ChildProcess::~ChildProcess() { wait(); }

int ChildProcess::wait() {
    if (ended_) return status_;
    HANDLE process = reinterpret_cast<HANDLE>(handle_);
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    status_ = GetExitCodeProcess(process, &code) ? static_cast<int>(code) : -1;
    CloseHandle(process);
    ended_ = true;
    return status_;
}

}  // namespace vx::test
