#include "cli/driver_font_input.h"

#include "cli/dvftool_commands.h"
#include "cli/dvftool_messages.h"
#include "cli/printer_files.h"
#include "history/history_save.h"
#include "settings/file_check.h"
#include "settings/file_io.h"
#include "settings/file_messages.h"

namespace vx {

namespace text = dvftool_text;

int lockForSaving(const std::filesystem::path& path, const std::string& label, FileLock& lock,
                  std::ostream& err) {
    lock = FileLock::acquire(path);
    if (lock.held()) return 0;
    text::tell(err, label,
               lock.outcome() == LockOutcome::Busy ? std::string(text::kSavingElsewhere)
                                                   : lockRefusalText(lock));
    return kExitSaveFailed;
}

DriverFontInput readDriverFontInput(const std::filesystem::path& path, const std::string& label,
                                    InputUse use, std::ostream& err) {
    DriverFontInput input;
    // A folder (or a device, a pipe) is named: nothing is read, and no lock
    // file is made beside it.
    if (std::error_code ec; std::filesystem::exists(path, ec) && !fileExists(path)) {
        text::tell(err, label, text::kNotAFile);
        input.exit = kExitUnreadable;
        return input;
    }
    if (use != InputUse::Read && isSymbolicLink(path)) {
        text::tell(err, label, kLinkRefusedText);
        input.exit = kExitSaveFailed;
        return input;
    }
    if (use != InputUse::Read && (input.exit = lockForSaving(path, label, input.lock, err)) != 0) {
        return input;
    }
    input.exit = kExitUnreadable;
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        text::tell(err, label,
                   fileTooLarge(path) ? text::kFileTooLarge
                   : fileExists(path) ? text::kFileUnreadable
                                      : text::kFileNotFound);
        return input;
    }
    input.document = IniDocument(*bytes);
    input.check =
        use == InputUse::Replace ? FileCheck::Accepted : checkDriverFontFile(input.document);
    switch (input.check) {
        case FileCheck::NotDriverFontFile:
            text::tell(err, label, text::kNotDriverFontFile);
            return input;
        case FileCheck::SavedAsUtf8:
            text::tell(err, label, text::kSavedAsUtf8);
            return input;
        case FileCheck::VersionNotAccepted:
            text::tell(err, label, kVersionMismatchText);
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
