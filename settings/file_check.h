// What a file is, before anything is loaded from it or written into it: a
// driver font file that may be edited, or why not.
#pragma once

#include "settings/ini_document.h"

namespace vx {

enum class FileCheck {
    Accepted,
    NotDriverFontFile,   // no section "DVF" with a key "Version"
    SavedAsUtf8,         // font sections named in UTF-8 (re-saved by an editor)
    VersionNotAccepted,  // a layout version below 2
};

FileCheck checkDriverFontFile(const IniDocument& file);

}  // namespace vx
