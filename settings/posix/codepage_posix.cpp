// Code page 932 through iconv, for the native build of the core and dvftool.
#include <errno.h>
#include <iconv.h>

#include "settings/codepage.h"

namespace vx {

namespace {

enum class Direction { ToUtf16, ToCp932 };

// Converts one run; returns false when iconv refuses it (invalid or
// unmappable input), leaving `out` unspecified.
bool convert(Direction direction, std::string_view in, std::string& out) {
    // Opening a converter costs far more than a short conversion, and names
    // are decoded on every lookup: keep one converter per direction.
    struct Converter {
        Converter(const char* t, const char* f) : cd(iconv_open(t, f)) {}
        ~Converter() {
            if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
        }
        iconv_t cd;
    };
    thread_local Converter toUtf16("UTF-16LE", "CP932");
    thread_local Converter toCp932("CP932", "UTF-8");
    iconv_t cd = direction == Direction::ToCp932 ? toCp932.cd : toUtf16.cd;
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
    out.assign(in.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    if (rc == static_cast<std::size_t>(-1) || srcLeft != 0) return false;
    out.resize(out.size() - dstLeft);
    return true;
}

void appendUtf16le(std::u16string& out, const std::string& bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
}

}  // namespace

bool decodeCp932Strict(std::string_view cp932, std::u16string& out) {
    std::string bytes;
    if (!convert(Direction::ToUtf16, cp932, bytes)) return false;
    out.clear();
    appendUtf16le(out, bytes);
    return true;
}

std::optional<std::string> cp932FromUtf8(std::string_view utf8) {
    std::string out;
    if (!convert(Direction::ToCp932, utf8, out)) return std::nullopt;
    return out;
}

}  // namespace vx
