// What the preview window draws: the font that the page in front shows,
// as the page's controls describe it (nothing is stored for it).
#pragma once

#include <variant>

#include "pages/setting_page.h"
#include "settings/settings_store.h"

namespace vx {

struct PreviewSubject {
    PageKind page = PageKind::Barcode;
    int font = 0;
    std::variant<BarcodeRecord, Code2DRecord, CharacterFontRecord> record;
};

// `page` must be the page of that kind that the window created.
PreviewSubject describedSubject(PageKind kind, SettingPage& page);

}  // namespace vx
