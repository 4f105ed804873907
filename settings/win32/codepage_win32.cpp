// Code page 932 through the Windows conversion functions.
#include <windows.h>

#include "settings/codepage.h"

namespace vx {

bool decodeCp932Strict(std::string_view in, std::u16string& out) {
    out.clear();
    if (in.empty()) return true;
    int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()),
                                nullptr, 0);
    if (n <= 0) return false;
    out.resize(static_cast<std::size_t>(n));
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()),
                        reinterpret_cast<wchar_t*>(out.data()), n);
    return true;
}

std::optional<std::string> cp932FromUtf8(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    int wn = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                 static_cast<int>(utf8.size()), nullptr, 0);
    if (wn <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(wn), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), wn);
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wn, nullptr, 0, nullptr,
                                &lossy);
    if (n <= 0 || lossy) return std::nullopt;
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wn, out.data(), n, nullptr,
                        nullptr);
    return out;
}

}  // namespace vx
