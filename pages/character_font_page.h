// The character font page: shows one of the 30 character driver fonts at a
// time in its controls and moves the values between the controls and the
// font's record, converting list texts and numbers to the record's codes
// and zero-padded digits and back.
//
// The window routes its notifications here: a list's new choice
// (CBN_SELCHANGE) to onListChanged, a list opening (CBN_DROPDOWN) to
// onListOpened, a click on a check box (BN_CLICKED) to onAutoClicked and an
// edit losing the focus (EN_KILLFOCUS) to onEditLostFocus. Controls without
// a reaction are ignored, so the window may route every such notification.
#pragma once

#include <string>
#include <string_view>

#include "pages/character_font_rules.h"
#include "pages/controls.h"
#include "pages/page_fields.h"
#include "pages/setting_page.h"
#include "settings/settings_store.h"

namespace vx {

class CharacterFontPage : public SettingPage {
public:
    CharacterFontPage(SettingsStore& store, Controls& controls);

    // Run once when the page's controls exist: fills the lists, sets the
    // spin ranges, chooses the first driver font and shows it.
    void create();

    // Forgets every per-font memory and shows the font chosen in the
    // font-name list again from the store (after a file has been read).
    void resetAndShow() override;
    // Moves the controls into the record of the font shown.
    void storeCurrent() override;
    // Makes the chosen font the one shown and fills the controls from its
    // record, applying the rules of its type.
    void showCurrent();

    // Notifications.
    void onFontNameChanged();
    void onTypeChanged();
    void onAutoClicked(int id);
    void onListChanged(int id);
    void onListOpened(int id);
    void onEditLostFocus(int id);

    int currentFont() const { return currentFont_; }
    const charfont::CharacterFontMemories& memories() const { return memories_; }

private:
    CharacterFontRecord& record() { return store_.fonts[static_cast<std::size_t>(currentFont_)]; }
    charfont::CharacterFontScope scope();
    void applyTypeChange();

    SettingsStore& store_;
    Controls& controls_;
    PageFields fields_;
    charfont::CharacterFontMemories memories_;
    int currentFont_ = 0;
};

namespace charfont {

// Record codes of the list texts and back. Each direction has its fallback:
// storing an unknown text gives "10" (magnification) or "default"
// (rotation), showing an unknown code gives "1.0" or "自動".
std::string magnificationCode(std::string_view text);
std::string magnificationText(std::string_view code);
std::string rotationCode(std::string_view text);
std::string rotationText(std::string_view code);

}  // namespace charfont

}  // namespace vx
