#include "settings/file_check.h"

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_names.h"
#include "settings/settings_store.h"

namespace vx {

namespace {

// A font section whose name is the UTF-8 spelling of a driver font's: the
// printer driver reads only Shift-JIS names, and a save would add the
// Shift-JIS sections beside these.
bool hasUtf8FontSection(const IniDocument& file) {
    auto any = [&](int count, const std::string& (*name)(int)) {
        for (int n = 0; n < count; ++n) {
            if (file.hasSection(utf8FromCp932(name(n)))) return true;
        }
        return false;
    };
    return any(kCharacterFontCount, characterFontName) || any(kBarcodeFontCount, barcodeFontName) ||
           any(kCode2DFontCount, code2DFontName);
}

}  // namespace

FileCheck checkDriverFontFile(const IniDocument& file) {
    if (!file.value(kVersionSection, kVersionKey)) return FileCheck::NotDriverFontFile;
    if (hasUtf8FontSection(file)) return FileCheck::SavedAsUtf8;
    if (!isSupportedFileVersion(file)) return FileCheck::VersionNotAccepted;
    return FileCheck::Accepted;
}

}  // namespace vx
