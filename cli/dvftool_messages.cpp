#include "cli/dvftool_messages.h"

#include <cstdio>

#include "settings/codepage.h"

namespace vx::dvftool_text {

std::string operandMissing(std::string_view which) {
    return "ファイル " + std::string(which) + " が指定されていません。";
}

std::string escapedControls(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        char escape[8];
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (utf8ControlLength(text, i) == 1) {
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            shown += escape;
        } else if (utf8ControlLength(text, i) == 2) {
            std::snprintf(escape, sizeof escape, "\\u%04x",
                          static_cast<unsigned char>(text[++i]));
            shown += escape;
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown;
}

void tell(std::ostream& err, std::string_view about, std::string_view sentence) {
    err << "dvftool: " << escapedControls(about) << ": " << escapedControls(sentence) << '\n';
}

void tell(std::ostream& err, std::string_view sentence) {
    err << "dvftool: " << escapedControls(sentence) << '\n';
}

}  // namespace vx::dvftool_text
