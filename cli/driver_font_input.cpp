#include "cli/driver_font_input.h"

#include "cli/dvftool_commands.h"
#include "cli/printer_files.h"
#include "history/file_history.h"
#include "settings/file_check.h"
#include "settings/file_io.h"
#include "settings/file_messages.h"

namespace vx {

int lockForSaving(const std::filesystem::path& path, const std::string& label, FileLock& lock,
                  std::ostream& err) {
    lock = FileLock::acquire(path);
    if (lock.held()) return 0;
    if (lock.outcome() == LockOutcome::Busy) {
        err << "dvftool: another program is saving the driver font file; nothing was written: "
            << label << '\n';
    } else {
        err << "dvftool: cannot lock the driver font file (" << utf8FromPath(lock.lockFile())
            << ": " << historyReason(lock.error()) << "); nothing was written: " << label << '\n';
    }
    return kExitSaveFailed;
}

DriverFontInput readDriverFontInput(const std::filesystem::path& path, const std::string& label,
                                    InputUse use, std::ostream& err) {
    DriverFontInput input;
    if (use != InputUse::Read && (input.exit = lockForSaving(path, label, input.lock, err)) != 0) {
        return input;
    }
    input.exit = kExitUnreadable;
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        if (fileTooLarge(path)) {
            err << "dvftool: not a driver font file (larger than 16 MiB): " << label << '\n';
        } else {
            err << "dvftool: cannot read the driver font file: " << label << '\n';
        }
        return input;
    }
    input.document = IniDocument(*bytes);
    switch (use == InputUse::Replace ? FileCheck::Accepted : checkDriverFontFile(input.document)) {
        case FileCheck::NotDriverFontFile:
            err << "dvftool: not a driver font file (no section [DVF] with a key Version): "
                << label << '\n';
            return input;
        case FileCheck::SavedAsUtf8:
            err << kSavedAsUtf8Text << '\n'
                << "dvftool: the font sections are named in UTF-8; the driver font file must be "
                   "saved as Shift-JIS: "
                << label << '\n';
            return input;
        case FileCheck::VersionNotAccepted:
            err << kVersionMismatchText << '\n'
                << "dvftool: version not accepted: " << label << '\n';
            input.exit = kExitVersion;
            return input;
        case FileCheck::Accepted:
            break;
    }
    input.exit = 0;
    input.bytes = std::move(*bytes);
    return input;
}

}  // namespace vx
