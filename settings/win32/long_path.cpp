#include "settings/win32/long_path.h"

namespace vx {

std::wstring longPath(const std::filesystem::path& relative) {
    std::error_code ec;
    const std::filesystem::path path =
        relative.empty() ? relative : std::filesystem::absolute(relative, ec);
    if (ec) return {};
    // The "\\?\" prefix turns off the system's own handling of "." and
    // "..": they are resolved here.
    std::wstring text = path.lexically_normal().wstring();
    for (wchar_t& c : text) {
        if (c == L'/') c = L'\\';
    }
    if (text.rfind(L"\\\\?\\", 0) == 0) return text;
    if (text.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + text.substr(2);
    if (text.size() >= 3 && text[1] == L':' && text[2] == L'\\') return L"\\\\?\\" + text;
    return text;
}

}  // namespace vx
