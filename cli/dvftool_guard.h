// What escapes a dvftool command (exhausted memory, a text too long to be
// held, any other failure of the standard library) ends the command with a
// message and exit status 4 instead of ending the process without a word.
#pragma once

#include <new>
#include <ostream>
#include <stdexcept>

namespace vx {

// The message for what escaped; the exit status.
int reportEscaped(const std::exception& escaped, std::ostream& err);

template <class Command>
int runGuarded(std::ostream& err, Command&& command) {
    try {
        return command();
    } catch (const std::exception& escaped) {
        return reportEscaped(escaped, err);
    }
}

}  // namespace vx
