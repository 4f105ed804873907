#include "tests/settings/win32/profile_comparison.h"

#include <cstdio>

#include "settings/codepage.h"

namespace vx::test {

namespace {

std::string escaped(std::string_view utf8) {
    std::string out;
    for (char c : utf8) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string show(std::string_view cp932) { return "\"" + escaped(utf8FromCp932(cp932)) + "\""; }

std::string show(const std::vector<std::string>& names) {
    std::string out = "[";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += ", ";
        out += show(names[i]);
    }
    return out + "]";
}

std::string showText(std::string_view cp932) {
    std::string out;
    std::size_t begin = 0;
    while (begin < cp932.size()) {
        std::size_t end = begin;
        while (end < cp932.size() && cp932[end] != '\r' && cp932[end] != '\n') ++end;
        std::size_t next = end;
        while (next < cp932.size() && (cp932[next] == '\r' || cp932[next] == '\n')) ++next;
        out += "    " + escaped(utf8FromCp932(cp932.substr(begin, end - begin))) + "  <" +
               escaped(cp932.substr(end, next - end)) + ">\n";
        begin = next;
    }
    return out;
}

std::optional<std::string> compareRead(const IniDocument& ours, const ProfileFile& platform,
                                       std::string_view section, std::string_view key) {
    std::string mine = ours.read(section, key, kMissing);
    std::string theirs =
        cutAtCharacterBoundary(platform.read(section, key, kMissing), IniDocument::kMaxValueBytes);
    if (mine == theirs) return std::nullopt;
    return "read [" + show(section) + "] " + show(key) + ": ours " + show(mine) + ", platform " +
           show(theirs);
}

std::optional<std::string> compareKeyNames(const IniDocument& ours, const ProfileFile& platform,
                                           std::string_view section) {
    std::vector<std::string> mine = ours.keyNames(section);
    std::vector<std::string> theirs = platform.keyNames(section);
    if (mine == theirs) return std::nullopt;
    return "key names of [" + show(section) + "]: ours " + show(mine) + ", platform " +
           show(theirs);
}

}  // namespace vx::test
