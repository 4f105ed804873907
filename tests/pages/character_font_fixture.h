// The character font page over in-memory controls, with the user's actions
// as one-line helpers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "pages/character_font_lists.h"
#include "pages/character_font_page.h"
#include "resources/resource.h"
#include "settings/driver_font_file.h"
#include "settings/font_names.h"
#include "settings/settings_store.h"
#include "tests/pages/fake_controls.h"
#include "tests/pages/page_test_base.h"

namespace vx::charfont {

inline constexpr int kMincho8 = 0;         // bitmap
inline constexpr int kGothic12 = 8;        // bitmap
inline constexpr int kKanjiGothic16 = 14;  // bitmap and kanji
inline constexpr int kKanjiMincho24 = 18;  // bitmap and kanji
inline constexpr int kOutlineGothic = 20;  // outline
inline constexpr int kOutlineMincho = 25;  // outline

class CharacterFontPageTest : public PageTestBase<CharacterFontPage> {
protected:
    // Factory values for every font, as after reading a file without font
    // sections, then the page as the main window creates it.
    CharacterFontPageTest() : PageTestBase(IDC_FONT_FONT_NAME, IDC_FONT_TYPE) {
        loadDriverFontFile(IniDocument("[DVF]\r\nVersion=2\r\n"), store);
    }

    CharacterFontRecord& font(int n) { return store.fonts[static_cast<std::size_t>(n)]; }
    void setType(int n, int typeIndex) {
        font(n).typeIndex = typeIndex;
        font(n).typeName = characterTypeName(typeIndex);
    }

};

}  // namespace vx::charfont
