#include "history/history_option.h"

#include "history/history_location.h"

namespace vx {

HistoryOptionRead readHistoryOption(const std::vector<std::string>& args, std::size_t& i,
                                    std::optional<std::string>& folder) {
    if (i >= args.size() || args[i] != kHistoryOption) return HistoryOptionRead::NotTheOption;
    if (folder) return HistoryOptionRead::Repeated;
    // An empty folder would name none: the versions would go nowhere.
    if (i + 1 >= args.size() || args[i + 1].empty()) return HistoryOptionRead::NoFolder;
    folder = args[++i];
    return HistoryOptionRead::Taken;
}

FileHistory historyInFolder(std::string_view folder) {
    return FileHistory(std::filesystem::path(std::u8string(folder.begin(), folder.end())),
                       localTimeNow);
}

}  // namespace vx
