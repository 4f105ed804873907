// How dvftool reads a driver font file for a command: whole, no larger than
// kMaxFileBytes, told apart from other files, and for a command that saves
// it under the file's lock, which the command holds until its replacement.
// Every message goes to standard error.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "settings/file_check.h"
#include "settings/file_lock.h"
#include "settings/ini_document.h"

namespace vx {

struct DriverFontInput {
    int exit = 0;          // 0 when the file may be used, else the exit status
    std::string bytes;     // as read
    IniDocument document;  // of the bytes
    FileLock lock;         // held for a command that saves
    FileCheck check = FileCheck::Accepted;  // why a file was refused
};

enum class InputUse {
    Read,
    Save,     // locked first
    Replace,  // locked first; any content, since all of it is replaced (restore)
};

// `label` names the file in messages (UTF-8).
DriverFontInput readDriverFontInput(const std::filesystem::path& path, const std::string& label,
                                    InputUse use, std::ostream& err);

// Only the lock, for a file that is written but not read (restore -o OUT):
// the exit status when it cannot be had, else 0.
int lockForSaving(const std::filesystem::path& path, const std::string& label, FileLock& lock,
                  std::ostream& err);

}  // namespace vx
