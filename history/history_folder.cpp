#include "history/history_folder.h"

namespace vx {

namespace {

class HistoryErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "history"; }
    std::string message(int value) const override {
        switch (static_cast<HistoryError>(value)) {
            case HistoryError::Link:
                return "a link stands where the folder or version belongs";
            case HistoryError::ForeignOwner:
                return "owned by someone other than the administrators";
            case HistoryError::OthersMayChange:
                return "others than the administrators may change it";
            case HistoryError::NumbersUsedUp:
                return "the version numbers are used up";
        }
        return "unknown";
    }
};

}  // namespace

const std::error_category& historyErrorCategory() {
    static const HistoryErrorCategory category;
    return category;
}

std::error_code make_error_code(HistoryError error) {
    return {static_cast<int>(error), historyErrorCategory()};
}

HistoryRoot HistoryRoot::named(const std::filesystem::path& folder) {
    if (folder.empty()) return {};
    std::error_code ignored;
    const std::filesystem::path normal =
        std::filesystem::absolute(folder, ignored).lexically_normal();
    std::filesystem::path name = normal.filename();
    std::filesystem::path base = normal.parent_path();
    if (name.empty()) {  // "dir/" names dir
        name = base.filename();
        base = base.parent_path();
    }
    if (base.empty()) base = ".";
    return {base, name, HistoryAccess::Private};
}

}  // namespace vx
