#include "cli/dvftool_guard.h"

#include "cli/dvftool_commands.h"
#include "cli/dvftool_messages.h"

namespace vx {

int reportEscaped(const std::exception& escaped, std::ostream& err) {
    // Writing the message may itself fail for want of memory.
    try {
        if (dynamic_cast<const std::bad_alloc*>(&escaped) != nullptr ||
            dynamic_cast<const std::length_error*>(&escaped) != nullptr) {
            dvftool_text::tell(err, dvftool_text::kOutOfMemory);
        } else {
            dvftool_text::tell(err,
                               std::string("コマンドを中止しました（") + escaped.what() + "）。");
        }
    } catch (...) {
    }
    return kExitSaveFailed;
}

}  // namespace vx
