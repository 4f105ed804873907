// The type rules of the character font page: which controls each font type
// and choice leaves usable, how the rotation and alignment lists and the
// spacing range follow the type, and what a change of type sets aside and
// brings back per driver font.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "pages/controls.h"
#include "pages/page_fields.h"
#include "pages/per_font_memory.h"
#include "settings/settings_store.h"

namespace vx::charfont {

// The spacing's range follows the group of the font's type.
FieldRange spacingRange(int typeIndex);

// The page's memories per driver font, registered with the page so that its
// reset clears them: values that the type or an "自動" box keeps out of the
// record, and values a type change has set aside. (The texts of the edits
// with a "自動" box, origins, width and height, are kept by the page
// skeleton.)
struct CharacterFontMemories {
    explicit CharacterFontMemories(PerFontMemories& registry);

    PerFontMemory<std::string>& rememberedHMag;
    PerFontMemory<std::string>& rememberedVMag;
    PerFontMemory<bool>& rememberedWidthAuto;
    PerFontMemory<bool>& rememberedHeightAuto;
    PerFontMemory<std::string>& rememberedSpacing;
    PerFontMemory<std::string>& rememberedAlignment;
    PerFontMemory<std::string>& rememberedRotationText;
};

// What the rules work on: the page's controls and fields, the type of the
// font shown and its memories. The rules never touch the record: what they
// set in the page fields reaches it with the page's next store.
struct CharacterFontScope {
    Controls& controls;
    PageFields& fields;
    int typeIndex;
    CharacterFontMemories& memories;
    int font;
    // Enables the page's row of a control: the control with its up-down
    // control and "自動" box.
    std::function<void(int id, bool usable)> enableRow;

    void enableRows(std::initializer_list<int> ids, bool usable) const {
        for (int id : ids) enableRow(id, usable);
    }
};

// Run after the page fields have been filled for the font shown: every rule
// below in its order. (The edits with a "自動" box follow their boxes after
// these rules.)
void applyTypeRules(const CharacterFontScope& scope);

// Magnification for bitmap types, width and height for outline types.
void applySizeRules(const CharacterFontScope& scope);
// Emphasis for bitmap types only; the shifts while "強調する" is chosen.
void applyEmphasisRules(const CharacterFontScope& scope);
// The area fields that the chosen alignment uses.
void applyAlignmentRules(const CharacterFontScope& scope);
// The spacing is usable unless "微調整なし"; its range follows the group.
void applySpacingRules(const CharacterFontScope& scope);
// Nine rotations for kanji types, the five equal ones for the others.
void rebuildRotationList(const CharacterFontScope& scope);
// The parameter fields of the chosen decoration.
void applyDecorationRules(const CharacterFontScope& scope);

// A type change runs: note the line texts, take the controls,
// fitToNewType, store, show. The line-feed and line-count texts are the
// page fields' as they stood before the controls were taken.
struct NotedLineTexts {
    std::string lineFeed;
    std::string lineCount;
};
NotedLineTexts noteLineTexts(const PageFields& fields);

// With the page fields taken under the new type (the scope's): brings the
// alignment list and the alignment, the spacing and the rotation in line
// with the new group, setting aside what it cannot hold and bringing back
// what was set aside for it.
void fitToNewType(const CharacterFontScope& scope, const NotedLineTexts& noted);

}  // namespace vx::charfont
