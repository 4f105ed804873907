// dvftool on POSIX systems: arguments and output are UTF-8 already. There is
// no print spooler, so printers cannot be named. Saves keep the replaced
// bytes in the user's history folder.
#include <iostream>

#include "cli/dvftool_commands.h"
#include "cli/dvftool_guard.h"
#include "history/history_location.h"

int main(int argc, char** argv) {
    return vx::runGuarded(std::cerr, [&] {
        std::vector<std::string> args(argv + 1, argv + argc);
        vx::DvfToolIo io{std::cin, std::cout, std::cerr,
                         nullptr,  nullptr,   vx::defaultHistoryPlaces()};
        io.events = &vx::platformEventWriter();
        return vx::runDvfTool(args, io);
    });
}
