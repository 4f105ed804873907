// dvftool report FILE [--dpi N] [--against REF] -o OUT.html: the settings
// sheet of a driver font file as one HTML file. FILE and REF are read as
// every command reads them (a refused file writes no sheet); OUT is
// replaced in one step and may not be FILE or REF.
#pragma once

#include <string>
#include <vector>

#include "cli/dvftool_commands.h"

namespace vx {

// `args` start with "report". Returns the exit status; messages go to
// standard error.
int runReportCommand(const std::vector<std::string>& args, const DvfToolIo& io);

}  // namespace vx
