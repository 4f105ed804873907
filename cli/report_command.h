// dvftool report FILE [--dpi N] [--against REF] -o OUT.html: the settings
// sheet of a driver font file as one HTML file. FILE and REF are read as
// every command reads them (a refused file writes no sheet); OUT is
// replaced in one step and may not be FILE or REF.
#pragma once

#include <string>
#include <vector>

#include "cli/dvftool_command_line.h"

namespace vx {

int report(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io);

}  // namespace vx
