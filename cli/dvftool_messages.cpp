#include "cli/dvftool_messages.h"

namespace vx::dvftool_text {

std::string operandMissing(std::string_view which) {
    return "ファイル " + std::string(which) + " が指定されていません。";
}

void tell(std::ostream& err, std::string_view about, std::string_view sentence) {
    err << "dvftool: " << about << ": " << sentence << '\n';
}

void tell(std::ostream& err, std::string_view sentence) { err << "dvftool: " << sentence << '\n'; }

}  // namespace vx::dvftool_text
