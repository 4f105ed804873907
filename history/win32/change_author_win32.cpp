// Who saves on Windows: the account the process runs as, "DOMAIN\name" (an
// elevated program's is the administrator's who elevated it), and the
// computer's name.
#include <windows.h>

#include <vector>

#include "history/version_record.h"
#include "history/win32/process_account_win32.h"
#include "settings/codepage.h"

namespace vx {

namespace {

std::string utf8(const wchar_t* text) {
    return utf8FromUtf16(reinterpret_cast<const char16_t*>(text));
}

std::string accountName() {
    const std::vector<unsigned char> tokenUser = processTokenUser();
    const PSID sid = processSid(tokenUser);
    if (sid == nullptr) return {};
    wchar_t name[256], domain[256];
    DWORD nameSize = 256, domainSize = 256;
    SID_NAME_USE use;
    if (!LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use)) return {};
    return domain[0] != L'\0' ? utf8(domain) + "\\" + utf8(name) : utf8(name);
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
