// Code page 932 through the Windows conversion functions.
#include <windows.h>

#include "settings/codepage.h"

namespace vx {

namespace {

bool decode(std::string_view in, std::u16string& out) {
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

}  // namespace

std::u16string utf16FromCp932(std::string_view cp932) {
    std::u16string out;
    if (decode(cp932, out)) return out;
    // Some byte is invalid: convert character by character.
    out.clear();
    std::u16string one;
    for (std::size_t i = 0; i < cp932.size();) {
        std::size_t len = sjisCharLength(cp932, i);
        if (decode(cp932.substr(i, len), one) && !one.empty()) {
            out += one;
        } else {
            for (std::size_t k = 0; k < len; ++k) {
                out += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(cp932[i + k]));
            }
        }
        i += len;
    }
    return out;
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
