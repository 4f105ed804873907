// The character font page over in-memory controls, with the user's actions
// as one-line helpers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "pages/character_font_lists.h"
#include "pages/character_font_page.h"
#include "pages/fake_controls.h"
#include "resources/resource.h"
#include "settings/driver_font_file.h"
#include "settings/settings_store.h"

namespace vx::charfont {

inline constexpr int kMincho8 = 0;         // bitmap
inline constexpr int kGothic12 = 8;        // bitmap
inline constexpr int kKanjiGothic16 = 14;  // bitmap and kanji
inline constexpr int kKanjiMincho24 = 18;  // bitmap and kanji
inline constexpr int kOutlineGothic = 20;  // outline
inline constexpr int kOutlineMincho = 25;  // outline

class CharacterFontPageTest : public ::testing::Test {
protected:
    // Factory values for every font, as after reading a file without font
    // sections, then the page as the main window creates it.
    CharacterFontPageTest() { loadDriverFontFile(IniDocument("[DVF]\r\nVersion=2\r\n"), store); }

    CharacterFontRecord& font(int n) { return store.fonts[static_cast<std::size_t>(n)]; }
    void setType(int n, int typeIndex) {
        font(n).typeIndex = typeIndex;
        font(n).typeName = characterTypeName(typeIndex);
    }

    // The user's actions.
    void chooseFont(int n) {
        controls.select(IDC_FONT_FONT_NAME, n);
        page.onListChanged(IDC_FONT_FONT_NAME);
    }
    void chooseType(int typeIndex) {
        controls.select(IDC_FONT_TYPE, typeIndex);
        page.onListChanged(IDC_FONT_TYPE);
    }
    void choose(int list, std::string_view text) {
        for (int i = 0; i < controls.itemCount(list); ++i) {
            if (controls.itemText(list, i) == text) {
                controls.select(list, i);
                page.onListChanged(list);
                return;
            }
        }
        ADD_FAILURE() << "no item " << text << " in list " << list;
    }
    void typeAndLeave(int edit, std::string_view text) {
        controls.setText(edit, text);
        page.onEditLostFocus(edit);
    }
    void click(int box) {
        controls.setChecked(box, !controls.checked(box));
        page.onClicked(box);
    }
    std::vector<std::string> items(int list) const {
        std::vector<std::string> out;
        for (int i = 0; i < controls.itemCount(list); ++i)
            out.push_back(controls.itemText(list, i));
        return out;
    }

    SettingsStore store;
    FakeControls controls;
    CharacterFontPage page{store, controls};
};

}  // namespace vx::charfont
