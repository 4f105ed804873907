// The option `--history DIR`, which dvftool and the window take alike: the
// versions of every file kept in the one folder DIR instead of where this
// system keeps them (a batch that keeps its own, a test set-up in which
// the machine's history cannot be used).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/file_history.h"

namespace vx {

inline constexpr std::string_view kHistoryOption = "--history";

enum class HistoryOptionRead {
    NotTheOption,  // args[i] is another argument
    Taken,         // DIR is taken; i is on it
    NoFolder,      // the option ends the line, or DIR is empty
    Repeated,      // a folder was named already
};

// Reads the option when args[i] (UTF-8) is `--history`: its folder into
// `folder`, moving i onto it.
HistoryOptionRead readHistoryOption(const std::vector<std::string>& args, std::size_t& i,
                                    std::optional<std::string>& folder);

// The history the option names: every file's versions below DIR (UTF-8,
// as given), each save's time from the user's clock.
FileHistory historyInFolder(std::string_view folder);

}  // namespace vx
