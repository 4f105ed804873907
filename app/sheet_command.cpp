#include "app/sheet_command.h"

#include <algorithm>

#include "history/history_location.h"
#include "report/file_facts.h"
#include "report/settings_sheet.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"
#include "settings/font_fields.h"

namespace vx {

namespace {

std::string utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::string suggestedSheetName(const std::string& printer) {
    std::string name = "設定一覧";
    if (!printer.empty()) name += "_" + printer;
    for (char& c : name) {
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < 0x20) {
            c = '_';
        }
    }
    return name + ".html";
}

void saveSettingsSheet(const SheetSubject& subject, SheetPorts& ports, MessageBoxes& messages) {
    using namespace sheet_text;
    if (subject.driverFontFile.empty()) {
        messages.show(kNoFile, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    // The file as it is now: its facts head the sheet, and what the pages
    // show is compared with it.
    const std::optional<std::string> bytes = readFileBytes(subject.driverFontFile);
    if (!bytes) {
        messages.show(kFileUnreadable, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const std::optional<SheetChoice> choice =
        ports.chooseSheetFile(suggestedSheetName(subject.printer));
    if (!choice) return;
    const std::filesystem::path* chosen = &choice->file;
    if (sameFile(*chosen, subject.driverFontFile)) {
        messages.show(kNotOverDriverFontFile, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    SettingsStore onDisk;
    loadDriverFontFile(IniDocument(*bytes), onDisk);
    SheetRequest sheet;
    sheet.settings = subject.shown;
    sheet.file = describeSheetFile(subject.driverFontFile, *bytes);
    sheet.printer = subject.printer;
    sheet.driver = subject.driver;
    sheet.dpi = subject.dpi;
    sheet.madeAt = formatLocalTime(localTimeNow());
    sheet.form = choice->form;
    const std::vector<FontDifferences> unsaved = compareFontFields(onDisk, *subject.shown, {});
    sheet.unsavedFonts = unsaved.size();
    // A font the file lacks but the pages changed shows the user's values,
    // not the factory's: the notice of unsaved changes tells of it.
    std::erase_if(sheet.file.fontsWithoutSection, [&](const std::string& font) {
        return std::any_of(unsaved.begin(), unsaved.end(), [&](const FontDifferences& d) {
            return utf8FromCp932(d.fontName) == font;
        });
    });
    if (!saveOutputFile(*chosen, settingsSheetHtml(sheet))) {
        messages.show(std::string(kSaveFailed) + utf8Path(*chosen), MessageButtons::Ok,
                      MessageIcon::Exclamation);
        return;
    }
    if (messages.show(kSavedOpen, MessageButtons::YesNo, MessageIcon::Information) !=
        MessageAnswer::Yes) {
        return;
    }
    if (!ports.openInBrowser(*chosen)) {
        messages.show(std::string(kNotOpened) + utf8Path(*chosen), MessageButtons::Ok,
                      MessageIcon::Exclamation);
    }
}

}  // namespace vx
