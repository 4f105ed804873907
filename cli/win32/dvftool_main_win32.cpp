// dvftool on Windows: wide arguments are taken as UTF-8, and the console
// shows UTF-8 output; lines end in "\n" also when redirected. Printers are
// looked up in the print spooler.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <iostream>

#include "cli/dvftool_commands.h"
#include "cli/dvftool_guard.h"
#include "history/history_location.h"
#include "printer/win32/system_environment_win32.h"
#include "printer/win32/winspool_spooler.h"
#include "settings/codepage.h"

int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return vx::runGuarded(std::cerr, [&] {
        std::vector<std::string> args;
        for (int i = 1; i < argc; ++i) {
            args.push_back(vx::utf8FromUtf16(reinterpret_cast<const char16_t*>(argv[i])));
        }
        vx::WinspoolSpooler spooler;
        vx::Win32Environment environment;
        vx::DvfToolIo io{std::cin, std::cout,    std::cerr,
                         &spooler, &environment, vx::defaultHistoryPlaces()};
        // Each save, restore and refused save is told to the event log.
        io.events = &vx::platformEventWriter();
        return vx::runDvfTool(args, io);
    });
}
