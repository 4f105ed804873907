#include "cli/change_events.h"

#include "vx_version.h"

namespace vx {

ChangeAuthor dvftoolAuthor(const DvfToolIo& io) {
    if (io.author) return *io.author;
    return currentAuthor("dvftool " VX_VERSION_TEXT);
}

void recordReplacement(const DvfToolIo& io, const Replacement& replacement) {
    if (io.events == nullptr) return;
    ChangeEvent event;
    // A replacement the disk did not confirm is in the file all the same.
    const bool replaced = replacement.outcome.replaced || replacement.outcome.unconfirmed;
    event.kind = !replaced                      ? ChangeEventKind::Failed
                 : replacement.restoredVersion ? ChangeEventKind::Restored
                                               : ChangeEventKind::Saved;
    event.printer = replacement.printer;
    event.file = replacement.file;
    event.author = dvftoolAuthor(io);
    event.fonts = changedFonts(replacement.before, replacement.after);
    event.keptVersion = replacement.outcome.keptVersion;
    event.restoredVersion = replacement.restoredVersion;
    io.events->write(event);
}

void recordRefusal(const DvfToolIo& io, const std::string& printer,
                   const std::filesystem::path& file, const DriverFontInput& input) {
    if (io.events == nullptr) return;
    ChangeEvent event;
    if (input.lock.outcome() == LockOutcome::Busy) {
        event.kind = ChangeEventKind::Busy;
    } else if (input.lock.held() && input.check != FileCheck::Accepted) {
        event.kind = ChangeEventKind::NotAccepted;
    } else {
        return;
    }
    event.printer = printer;
    event.file = file;
    event.author = dvftoolAuthor(io);
    io.events->write(event);
}

}  // namespace vx
