#include "cli/report_command.h"

#include <filesystem>
#include <optional>

#include "cli/dvftool_messages.h"
#include "cli/opened_file.h"
#include "history/history_location.h"
#include "report/file_facts.h"
#include "report/settings_sheet.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"

namespace vx {

namespace text = dvftool_text;

int report(const CommandLine& line, std::vector<std::string>& rest, const DvfToolIo& io) {
    const FileOperand operand = onlyFile(line, rest, io);
    if (line.preview.output.empty()) usageError(io, text::kReportNeedsOutput);
    const OpenedFile file = openFile(operand, io);
    std::optional<OpenedFile> reference;
    if (line.against) reference = openFile({*line.against, false}, io);
    const std::filesystem::path output = pathFromUtf8(line.preview.output);
    // The sheet must never take a driver font file's place.
    if (sameFile(output, file.path) || (reference && sameFile(output, reference->path))) {
        usageError(io, line.preview.output, text::kReportOverDriverFontFile);
    }
    const SettingsStore settings = loadStore(file);
    std::optional<SettingsStore> referenceSettings;
    if (reference) referenceSettings = loadStore(*reference);
    SheetRequest sheet;
    sheet.settings = &settings;
    sheet.file = describeSheetFile(file.path, file.bytes);
    if (operand.printer) sheet.printer = operand.text;
    sheet.driver = file.driver;
    sheet.dpi = line.preview.dpi;
    sheet.madeAt = formatLocalTime(localTimeNow());
    if (reference) {
        sheet.against =
            SheetReference{describeSheetFile(reference->path, reference->bytes), &*referenceSettings};
    }
    sheet.form = line.summary ? SheetForm::Summary : SheetForm::Full;
    sheet.note = line.note.value_or("");
    FileLayer& layer = io.fileLayer != nullptr ? *io.fileLayer : platformFileLayer();
    if (!saveOutputFile(layer, output, settingsSheetHtml(sheet))) {
        text::tell(io.err, line.preview.output, text::kReportUnwritable);
        return kExitSaveFailed;
    }
    return kExitDone;
}

}  // namespace vx
