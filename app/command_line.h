// The switches the program recognises on its command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vx {

enum class StartupSwitch {
    None,         // start the tool
    RegServer,    // end at once: there is nothing to register
    UnregServer,  // end at once: there is nothing to unregister
    Embedding,    // "Embedding" or "Automation": end at once, no objects are served
};

// `commandLine` is the whole command line, program path included (UTF-8).
StartupSwitch parseStartupSwitch(std::string_view commandLine);

// The program's name for its single-instance mutex: the executable's file
// name without directory and extension.
std::string applicationName(std::string_view executablePath);

// `--history DIR` (UTF-8), as dvftool takes it: the versions of the bound
// file kept in DIR instead of the system's places (for testing, and where
// the machine's history cannot be used). `faulty` when the option names no
// folder or is given twice.
struct HistoryFolderOption {
    std::optional<std::string> folder;
    bool faulty = false;
};
HistoryFolderOption historyFolderOption(std::string_view commandLine);

// The message when the option names no folder.
inline constexpr std::string_view kHistoryOptionFaulty =
    "--history の後に、以前の設定を残すフォルダを 1 つ指定してください。\nプログラムを終了します。";

}  // namespace vx
