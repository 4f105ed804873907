// The commands of dvftool, independent of the process entry so that tests
// can run them in-process. Arguments and output are UTF-8.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vx {

enum DvfToolExit : int {
    kExitDone = 0,
    kExitUsage = 1,
    kExitUnreadable = 2,
    kExitVersion = 3,
    kExitSaveFailed = 4,
};

// args excludes the program name.
int runDvfTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vx
