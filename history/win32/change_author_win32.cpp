// Who saves on Windows: the account the process runs as, "DOMAIN\name" (an
// elevated program's is the administrator's who elevated it), and the
// computer's name.
#include <windows.h>

#include <vector>

#include "history/version_record.h"
#include "settings/codepage.h"

namespace vx {

namespace {

std::string utf8(const wchar_t* text) {
    return utf8FromUtf16(reinterpret_cast<const char16_t*>(text));
}

std::string accountName() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    std::string account;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
        wchar_t name[256], domain[256];
        DWORD nameSize = 256, domainSize = 256;
        SID_NAME_USE use;
        if (LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use)) {
            account = domain[0] != L'\0' ? utf8(domain) + "\\" + utf8(name) : utf8(name);
        }
    }
    CloseHandle(token);
    return account;
}

std::string userName() {
    std::string account = accountName();
    if (!account.empty()) return account;
    wchar_t name[256];
    DWORD size = 256;
    return GetUserNameW(name, &size) ? utf8(name) : std::string();
}

std::string computerName() {
    wchar_t name[256];
    DWORD size = 256;
    if (GetComputerNameExW(ComputerNameDnsHostname, name, &size) && size > 0) return utf8(name);
    size = 256;
    return GetComputerNameW(name, &size) ? utf8(name) : std::string();
}

}  // namespace

ChangeAuthor currentAuthor(std::string_view program) {
    return {userName(), computerName(), std::string(program)};
}

}  // namespace vx
