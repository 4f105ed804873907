#include "cli/dvftool_guard.h"

#include "cli/dvftool_commands.h"

namespace vx {

int reportEscaped(const std::exception& escaped, std::ostream& err) {
    // Writing the message may itself fail for want of memory.
    try {
        if (dynamic_cast<const std::bad_alloc*>(&escaped) != nullptr ||
            dynamic_cast<const std::length_error*>(&escaped) != nullptr) {
            err << "dvftool: not enough memory; the command was stopped\n";
        } else {
            err << "dvftool: the command was stopped: " << escaped.what() << '\n';
        }
    } catch (...) {
    }
    return kExitSaveFailed;
}

}  // namespace vx
