// The character font page: shows one of the 30 character driver fonts at a
// time and moves its values between the controls and the font's record,
// converting list texts and numbers to the record's codes and zero-padded
// digits and back, under the type rules of the font's type.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pages/character_font_rules.h"
#include "pages/row_page.h"

namespace vx {

class CharacterFontPage : public RowPage<CharacterFontRecord> {
public:
    CharacterFontPage(SettingsStore& store, Controls& controls);

    const charfont::CharacterFontMemories& memories() const { return memories_; }

private:
    std::string typeText(const CharacterFontRecord& record) const override;
    void storeType(CharacterFontRecord& record, std::string_view typeText) override;
    void storeSteps(CharacterFontRecord& record) override;
    void showSteps(CharacterFontRecord& record) override;
    void applyTypeRules() override;
    void changeType() override;
    int shownTypeIndex() const override;

    charfont::CharacterFontScope scope(int typeIndex);
    charfont::CharacterFontScope scope();
    void runRule(void (*rule)(const charfont::CharacterFontScope&));

    charfont::CharacterFontMemories memories_;
};

// The page's rows in tab order: the left column, then the right.
std::span<const ControlRow<CharacterFontRecord>> characterFontPageRows();

}  // namespace vx
