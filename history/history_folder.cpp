#include "history/history_folder.h"

namespace vx {

namespace {

class HistoryErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "history"; }
    std::string message(int value) const override {
        switch (static_cast<HistoryError>(value)) {
            case HistoryError::Link:
                return "a link stands where a folder belongs (links are not followed)";
            case HistoryError::ForeignOwner:
                return "the folder's owner is not the administrators";
            case HistoryError::OthersMayChange:
                return "others than the administrators may change the folder";
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

HistoryFolder HistoryFolder::open(const HistoryRoot& root, const std::filesystem::path& name,
                                  bool create, std::error_code& error) {
    error.clear();
    if (root.empty()) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return {};
    }
    // The base is taken as it is, links and all.
    if (create) std::filesystem::create_directories(root.base, error);
    if (error) {
        HistoryFolder refused;
        refused.path_ = root.base;
        return refused;
    }
    std::filesystem::path below = root.below;
    if (!name.empty()) below /= name;
    return openBelow(root.base, below, root.access, create, error);
}

std::optional<std::string> HistoryFolder::read(std::string_view name,
                                               std::error_code& error) const {
    error.clear();
    if (!state_) {
        error = std::make_error_code(std::errc::bad_file_descriptor);
        return std::nullopt;
    }
    return readOpen(name, error);
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
