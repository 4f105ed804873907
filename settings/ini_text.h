// The rules of the INI text that the parts of the engine share: line
// breaks and ASCII names. Internal to the engine.
#pragma once

#include <string_view>

namespace vx::ini {

inline bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// The first line break of a run: CRLF, or a lone CR or LF.
inline std::string_view firstBreak(std::string_view run) {
    if (run.substr(0, 2) == "\r\n") return run.substr(0, 2);
    return run.substr(0, 1);
}

// Without an early exit, so that the compiler can test many bytes at once.
inline bool isAsciiOnly(std::string_view text) {
    unsigned char all = 0;
    for (char c : text) all |= static_cast<unsigned char>(c);
    return all < 0x80;
}

}  // namespace vx::ini
