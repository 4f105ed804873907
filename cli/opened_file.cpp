#include "cli/opened_file.h"

#include "cli/change_events.h"
#include "cli/dvftool_messages.h"
#include "cli/printer_files.h"
#include "settings/driver_font_file.h"

namespace vx {

namespace text = dvftool_text;

namespace {

std::filesystem::path printerFilePath(const FileOperand& operand, std::string& driver,
                                      const DvfToolIo& io) {
    if (io.spooler == nullptr || io.environment == nullptr) {
        usageError(io, operand.text, text::kPrinterOnWindowsOnly);
    }
    const PrinterFile file = findPrinterFile(operand.text, {*io.spooler, *io.environment});
    driver = file.driverName;
    if (file.path) return *file.path;
    text::tell(io.err, operand.text, file.reason);
    throw CommandExit{file.exit};
}

}  // namespace

OpenedFile locateFile(const FileOperand& operand, const DvfToolIo& io) {
    OpenedFile file;
    file.path =
        operand.printer ? printerFilePath(operand, file.driver, io) : pathFromUtf8(operand.text);
    file.label =
        operand.printer ? operand.text + " (" + utf8FromPath(file.path) + ")" : operand.text;
    if (operand.printer) file.printer = operand.text;
    return file;
}

OpenedFile openFile(const FileOperand& operand, const DvfToolIo& io, InputUse use) {
    OpenedFile file = locateFile(operand, io);
    DriverFontInput input = readDriverFontInput(file.path, file.label, use, io.err);
    if (input.exit != 0) {
        if (use != InputUse::Read) recordRefusal(io, file.printer, file.path, input);
        throw CommandExit{input.exit};
    }
    file.bytes = std::move(input.bytes);
    file.document = std::move(input.document);
    file.lock = std::move(input.lock);
    return file;
}

SettingsStore loadStore(const OpenedFile& file) {
    SettingsStore store;
    loadDriverFontFile(file.document, store);
    return store;
}

}  // namespace vx
