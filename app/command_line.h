// The switches the program recognises on its command line.
#pragma once

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

}  // namespace vx
