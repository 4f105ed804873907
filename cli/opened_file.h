// A driver font file as a dvftool command names it (a path, or a printer
// whose file the window would bind to), read and checked as every command
// reads it. A file that cannot be used ends the command with its message
// and exit status.
#pragma once

#include <filesystem>
#include <string>

#include "cli/driver_font_input.h"
#include "cli/dvftool_command_line.h"
#include "settings/settings_store.h"

namespace vx {

struct OpenedFile {
    std::filesystem::path path;
    std::string label;   // for messages (UTF-8)
    std::string driver;  // a printer's driver, when named by its printer (UTF-8)
    std::string printer;  // the printer, when named by it (UTF-8)
    std::string bytes;   // as read
    IniDocument document;
    FileLock lock;  // held from reading to replacing by a command that saves
};

// The file's path and how messages name it, without reading it.
OpenedFile locateFile(const FileOperand& operand, const DvfToolIo& io);

// Reads a driver font file and checks that it may be used; a file that a
// command saves is locked first.
OpenedFile openFile(const FileOperand& operand, const DvfToolIo& io, InputUse use = InputUse::Read);

SettingsStore loadStore(const OpenedFile& file);

}  // namespace vx
