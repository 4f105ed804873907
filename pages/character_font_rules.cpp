#include "pages/character_font_rules.h"

#include <iterator>
#include <string_view>

#include "pages/character_font_lists.h"
#include "resources/resource.h"
#include "settings/field_specs.h"
#include "settings/leading_integer.h"

namespace vx::charfont {

namespace {

bool outlineShown(const CharacterFontScope& scope) { return isOutlineType(scope.typeIndex); }

// Character and string turned differently ("01", "12", "23", "30").
bool isMixedRotation(std::string_view code) {
    return code != "default" && code.size() >= 2 && code[0] != code[1];
}

}  // namespace

FieldRange spacingRange(int typeIndex) {
    return rangeOfSpec(isOutlineType(typeIndex) ? fields::kOutlineSpacing : fields::kBitmapSpacing);
}

CharacterFontMemories::CharacterFontMemories(PerFontMemories& registry)
    : rememberedHMag(registry.add(std::string(kMagnifications.text(1)))),
      rememberedVMag(registry.add(std::string(kMagnifications.text(1)))),
      rememberedWidthAuto(registry.add(true)),
      rememberedHeightAuto(registry.add(true)),
      rememberedSpacing(registry.add(std::string())),
      rememberedAlignment(registry.add(std::string())),
      rememberedRotationText(registry.add(std::string())) {}

void applyTypeRules(const CharacterFontScope& scope) {
    applySizeRules(scope);
    applyEmphasisRules(scope);
    applyAlignmentRules(scope);
    applySpacingRules(scope);
    rebuildRotationList(scope);
    applyDecorationRules(scope);
}

void applySizeRules(const CharacterFontScope& scope) {
    const bool outline = outlineShown(scope);
    scope.enableRows({IDC_FONT_H_MAG, IDC_FONT_V_MAG}, !outline);
    scope.enableRows({IDC_FONT_WIDTH, IDC_FONT_HEIGHT}, outline);
}

void applyEmphasisRules(const CharacterFontScope& scope) {
    const bool bitmap = !outlineShown(scope);
    scope.enableRow(IDC_FONT_EMPHASIS, bitmap);
    scope.enableRows({IDC_FONT_SHIFT_X, IDC_FONT_SHIFT_Y},
                     bitmap && scope.fields.text(IDC_FONT_EMPHASIS) == kEmphasised);
}

void applyAlignmentRules(const CharacterFontScope& scope) {
    const std::string& alignment = scope.fields.text(IDC_FONT_ALIGNMENT);
    const bool lineBreak = alignment == kLineBreak;
    scope.enableRow(IDC_FONT_AREA_WIDTH, lineBreak || alignment == kJustified);
    scope.enableRows({IDC_FONT_LINE_FEED, IDC_FONT_AREA_LINES}, lineBreak);
}

void applySpacingRules(const CharacterFontScope& scope) {
    scope.enableRow(IDC_FONT_SPACING,
                    scope.fields.text(IDC_FONT_SPACING_ADJUST) != kNoSpacingAdjust);
    const FieldRange range = spacingRange(scope.typeIndex);
    scope.controls.setSpinRange(IDC_FONT_SPACING_SPIN, range.minimum, range.maximum);
}

void rebuildRotationList(const CharacterFontScope& scope) {
    Controls& controls = scope.controls;
    scope.fields.dropTemporaryItem(controls, IDC_FONT_ROTATION);
    const int all = kRotations.size();
    if (isKanjiType(scope.typeIndex)) {
        if (controls.itemCount(IDC_FONT_ROTATION) == kRotationsForEveryType) {
            for (int i = kRotationsForEveryType; i < all; ++i) {
                controls.insertItem(IDC_FONT_ROTATION, -1, kRotations.text(i));
            }
        }
        return;
    }
    for (int position = all - 1; position >= kRotationsForEveryType; --position) {
        if (position < controls.itemCount(IDC_FONT_ROTATION))
            controls.removeItem(IDC_FONT_ROTATION, position);
    }
}

void applyDecorationRules(const CharacterFontScope& scope) {
    const std::string& decoration = scope.fields.text(IDC_FONT_DECORATION);
    scope.enableRows({IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_Y},
                     decoration == kReversedText);
    scope.enableRows({IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_Y}, decoration == kFramedText);
    scope.enableRow(IDC_FONT_STRIKE_END, decoration == kStruckText);
}

NotedLineTexts noteLineTexts(const PageFields& fields) {
    return {fields.text(IDC_FONT_LINE_FEED), fields.text(IDC_FONT_AREA_LINES)};
}

namespace {

// The line texts as shown before the type change, for the alignment area
// that the new type keeps.
void restoreLineTexts(PageFields& fields, const NotedLineTexts& noted) {
    fields.setText(IDC_FONT_LINE_FEED, noted.lineFeed);
    fields.setText(IDC_FONT_AREA_LINES, noted.lineCount);
}

// A bitmap type holds "自動改行" and spacings up to 99.
void fitToBitmapType(const CharacterFontScope& scope, const NotedLineTexts& noted) {
    PageFields& fields = scope.fields;
    std::string& alignment = scope.memories.rememberedAlignment[scope.font];
    if (scope.controls.itemCount(IDC_FONT_ALIGNMENT) == kLineBreakPosition) {
        scope.controls.insertItem(IDC_FONT_ALIGNMENT, -1, kLineBreak);
    }
    if (alignment == kLineBreak) {
        alignment.clear();
        fields.setText(IDC_FONT_ALIGNMENT, kLineBreak);
        restoreLineTexts(fields, noted);
    }
    if (leadingInteger(fields.text(IDC_FONT_SPACING)) > fields::kBitmapSpacing.maximum) {
        scope.memories.rememberedSpacing[scope.font] = fields.text(IDC_FONT_SPACING);
        fields.setText(IDC_FONT_SPACING, std::to_string(fields::kBitmapSpacing.maximum));
    }
}

// An outline type holds neither "自動改行" nor the line fields of its area
// (which keep the texts shown before), and spacings up to 512.
void fitToOutlineType(const CharacterFontScope& scope, const NotedLineTexts& noted) {
    PageFields& fields = scope.fields;
    if (fields.text(IDC_FONT_ALIGNMENT) == kLineBreak) {
        scope.memories.rememberedAlignment[scope.font] = std::string(kLineBreak);
        fields.setText(IDC_FONT_ALIGNMENT, kJustified);
    }
    restoreLineTexts(fields, noted);
    if (scope.controls.itemCount(IDC_FONT_ALIGNMENT) > kLineBreakPosition) {
        scope.controls.removeItem(IDC_FONT_ALIGNMENT, kLineBreakPosition);
    }
    std::string& spacing = scope.memories.rememberedSpacing[scope.font];
    if (!spacing.empty()) {
        fields.setText(IDC_FONT_SPACING, spacing);
        spacing.clear();
    }
}

// Only kanji types turn the characters and the string differently.
void fitRotation(const CharacterFontScope& scope) {
    PageFields& fields = scope.fields;
    std::string& rotation = scope.memories.rememberedRotationText[scope.font];
    if (isKanjiType(scope.typeIndex)) {
        if (!rotation.empty()) {
            fields.setText(IDC_FONT_ROTATION, rotation);
            rotation.clear();
        }
    } else if (isMixedRotation(kRotations.codeFor(fields.text(IDC_FONT_ROTATION)))) {
        rotation = fields.text(IDC_FONT_ROTATION);
        fields.setText(IDC_FONT_ROTATION, kRotation270);
    }
}

}  // namespace

void fitToNewType(const CharacterFontScope& scope, const NotedLineTexts& noted) {
    // The alignment list's own items decide what it gains or loses.
    scope.fields.dropTemporaryItem(scope.controls, IDC_FONT_ALIGNMENT);
    if (isOutlineType(scope.typeIndex)) {
        fitToOutlineType(scope, noted);
    } else {
        fitToBitmapType(scope, noted);
    }
    fitRotation(scope);
}

}  // namespace vx::charfont
