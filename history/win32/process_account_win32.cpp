#include "history/win32/process_account_win32.h"

namespace vx {

std::vector<unsigned char> processTokenUser() {
    std::vector<unsigned char> buffer;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return buffer;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    buffer.resize(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        buffer.clear();
    }
    CloseHandle(token);
    return buffer;
}

PSID processSid(const std::vector<unsigned char>& tokenUser) {
    if (tokenUser.empty()) return nullptr;
    return reinterpret_cast<const TOKEN_USER*>(tokenUser.data())->User.Sid;
}

}  // namespace vx
