#include "pages/character_font_rules.h"

#include <iterator>
#include <string_view>

#include "pages/character_font_lists.h"
#include "pages/character_font_page.h"
#include "resources/resource.h"

namespace vx::charfont {

namespace {

constexpr int kFirstKanjiTypeIndex = 14;

bool outlineShown(const CharacterFontScope& scope) { return isOutlineType(scope.record.typeIndex); }

// Character and string turned differently ("01", "12", "23", "30").
bool isMixedRotation(std::string_view code) {
    return code != "default" && code.size() >= 2 && code[0] != code[1];
}

}  // namespace

bool isOutlineType(int typeIndex) { return typeIndex >= kFirstOutlineTypeIndex; }
bool isKanjiType(int typeIndex) {
    return typeIndex >= kFirstKanjiTypeIndex && typeIndex < kFirstOutlineTypeIndex;
}

FieldRange spacingRange(int typeIndex) {
    return isOutlineType(typeIndex) ? kOutlineSpacingRange : kBitmapSpacingRange;
}

CharacterFontMemories::CharacterFontMemories(PerFontMemories& registry)
    : rememberedHMag(registry.add(std::string(kMagnifications.text(1)))),
      rememberedVMag(registry.add(std::string(kMagnifications.text(1)))),
      rememberedWidthAuto(registry.add(true)),
      rememberedHeightAuto(registry.add(true)),
      rememberedSpacing(registry.add(std::string())),
      rememberedAlignment(registry.add(std::string())),
      rememberedRotationText(registry.add(std::string())),
      rememberedRotationCode(registry.add(std::string())) {}

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
    setEnabled(scope.controls, {IDC_FONT_H_MAG, IDC_FONT_V_MAG}, !outline);
    setEnabled(scope.controls,
               {IDC_FONT_WIDTH, IDC_FONT_WIDTH_SPIN, IDC_FONT_WIDTH_AUTO, IDC_FONT_HEIGHT,
                IDC_FONT_HEIGHT_SPIN, IDC_FONT_HEIGHT_AUTO},
               outline);
}

void applyEmphasisRules(const CharacterFontScope& scope) {
    const bool bitmap = !outlineShown(scope);
    scope.controls.setEnabled(IDC_FONT_EMPHASIS, bitmap);
    setEnabled(scope.controls,
               {IDC_FONT_SHIFT_X, IDC_FONT_SHIFT_Y, IDC_FONT_SHIFT_X_SPIN, IDC_FONT_SHIFT_Y_SPIN},
               bitmap && scope.fields.text(IDC_FONT_EMPHASIS) == kEmphasised);
}

void applyAlignmentRules(const CharacterFontScope& scope) {
    const std::string& alignment = scope.fields.text(IDC_FONT_ALIGNMENT);
    const bool lineBreak = alignment == kLineBreak;
    setEnabled(scope.controls, {IDC_FONT_AREA_WIDTH, IDC_FONT_AREA_WIDTH_SPIN},
               lineBreak || alignment == kJustified);
    setEnabled(scope.controls,
               {IDC_FONT_LINE_FEED, IDC_FONT_LINE_FEED_SPIN, IDC_FONT_AREA_LINES,
                IDC_FONT_AREA_LINES_SPIN},
               lineBreak);
}

void applySpacingRules(const CharacterFontScope& scope) {
    setEnabled(scope.controls, {IDC_FONT_SPACING, IDC_FONT_SPACING_SPIN},
               scope.fields.text(IDC_FONT_SPACING_ADJUST) != kNoSpacingAdjust);
    const FieldRange range = spacingRange(scope.record.typeIndex);
    scope.controls.setSpinRange(IDC_FONT_SPACING_SPIN, range.minimum, range.maximum);
}

void rebuildRotationList(const CharacterFontScope& scope) {
    Controls& controls = scope.controls;
    scope.fields.dropTemporaryItem(controls, IDC_FONT_ROTATION);
    const int all = kRotations.size();
    if (isKanjiType(scope.record.typeIndex)) {
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
    Controls& controls = scope.controls;
    setEnabled(controls,
               {IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_Y, IDC_FONT_FRAME_GAP_X,
                IDC_FONT_FRAME_GAP_Y, IDC_FONT_STRIKE_END, IDC_FONT_REVERSE_AREA_X_SPIN,
                IDC_FONT_REVERSE_AREA_Y_SPIN, IDC_FONT_FRAME_GAP_X_SPIN, IDC_FONT_FRAME_GAP_Y_SPIN,
                IDC_FONT_STRIKE_END_SPIN},
               false);
    const std::string& decoration = scope.fields.text(IDC_FONT_DECORATION);
    if (decoration == kReversedText) {
        setEnabled(controls,
                   {IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_X_SPIN, IDC_FONT_REVERSE_AREA_Y,
                    IDC_FONT_REVERSE_AREA_Y_SPIN},
                   true);
    } else if (decoration == kFramedText) {
        setEnabled(controls,
                   {IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_X_SPIN, IDC_FONT_FRAME_GAP_Y,
                    IDC_FONT_FRAME_GAP_Y_SPIN},
                   true);
    } else if (decoration == kStruckText) {
        setEnabled(controls, {IDC_FONT_STRIKE_END, IDC_FONT_STRIKE_END_SPIN}, true);
    }
}

NotedLineTexts noteLineTexts(const PageFields& fields) {
    return {fields.text(IDC_FONT_LINE_FEED), fields.text(IDC_FONT_AREA_LINES)};
}

namespace {

void storeAlignment(CharacterFontRecord& record, std::string_view text) {
    const CodedEntry* entry = kAlignments.entryFor(text);
    record.alignment = entry->codes[0];
    record.alignmentMode = entry->codes[1];
}

// A bitmap type holds "自動改行" and spacings up to 99.
void fitToBitmapType(const CharacterFontScope& scope) {
    Controls& controls = scope.controls;
    PageFields& fields = scope.fields;
    CharacterFontRecord& record = scope.record;
    CharacterFontMemories& memories = scope.memories;
    const int font = scope.font;

    if (controls.itemCount(IDC_FONT_ALIGNMENT) == kLineBreakPosition) {
        controls.insertItem(IDC_FONT_ALIGNMENT, -1, kLineBreak);
    }
    if (memories.rememberedAlignment[font] == kLineBreak) {
        memories.rememberedAlignment[font].clear();
        fields.setText(IDC_FONT_ALIGNMENT, kLineBreak);
        storeAlignment(record, kLineBreak);
        record.areaWidth = storedText(IDC_FONT_AREA_WIDTH, fields.text(IDC_FONT_AREA_WIDTH));
        record.lineFeed = storedText(IDC_FONT_LINE_FEED, fields.text(IDC_FONT_LINE_FEED));
        record.areaLines = storedText(IDC_FONT_AREA_LINES, fields.text(IDC_FONT_AREA_LINES));
    }
    if (leadingInteger(fields.text(IDC_FONT_SPACING)) > kBitmapSpacingRange.maximum) {
        memories.rememberedSpacing[font] = fields.text(IDC_FONT_SPACING);
        fields.setText(IDC_FONT_SPACING, "99");
        record.spacing = "99";  // as wide as the bitmap range's digits
    }
}

// An outline type holds neither "自動改行" nor the line fields of its area,
// and spacings up to 512.
void fitToOutlineType(const CharacterFontScope& scope) {
    Controls& controls = scope.controls;
    PageFields& fields = scope.fields;
    CharacterFontRecord& record = scope.record;
    CharacterFontMemories& memories = scope.memories;
    const int font = scope.font;

    if (fields.text(IDC_FONT_ALIGNMENT) == kLineBreak) {
        memories.rememberedAlignment[font] = std::string(kLineBreak);
        fields.setText(IDC_FONT_ALIGNMENT, kJustified);
        storeAlignment(record, kJustified);
        record.areaWidth = storedText(IDC_FONT_AREA_WIDTH, fields.text(IDC_FONT_AREA_WIDTH));
    }
    record.lineFeed = storedText(IDC_FONT_LINE_FEED, fields.text(IDC_FONT_LINE_FEED));
    record.areaLines = storedText(IDC_FONT_AREA_LINES, fields.text(IDC_FONT_AREA_LINES));
    if (controls.itemCount(IDC_FONT_ALIGNMENT) > kLineBreakPosition) {
        controls.removeItem(IDC_FONT_ALIGNMENT, kLineBreakPosition);
    }
    if (!memories.rememberedSpacing[font].empty()) {
        fields.setText(IDC_FONT_SPACING, memories.rememberedSpacing[font]);
        record.spacing =
            paddedRecordText(memories.rememberedSpacing[font], kOutlineSpacingRange.digits);
        memories.rememberedSpacing[font].clear();
    }
}

// Only kanji types turn the characters and the string differently.
void fitRotation(const CharacterFontScope& scope) {
    PageFields& fields = scope.fields;
    CharacterFontRecord& record = scope.record;
    CharacterFontMemories& memories = scope.memories;
    const int font = scope.font;

    if (isKanjiType(record.typeIndex)) {
        if (!memories.rememberedRotationText[font].empty()) {
            fields.setText(IDC_FONT_ROTATION, memories.rememberedRotationText[font]);
            record.rotation = memories.rememberedRotationCode[font];
            memories.rememberedRotationText[font].clear();
        }
    } else if (isMixedRotation(record.rotation)) {
        memories.rememberedRotationText[font] = fields.text(IDC_FONT_ROTATION);
        memories.rememberedRotationCode[font] = record.rotation;
        fields.setText(IDC_FONT_ROTATION, kRotation270);
        record.rotation = "33";
    }
}

}  // namespace

void fitToNewType(const CharacterFontScope& scope, const NotedLineTexts& noted) {
    scope.fields.setText(IDC_FONT_LINE_FEED, noted.lineFeed);
    scope.fields.setText(IDC_FONT_AREA_LINES, noted.lineCount);
    // The alignment list's own items decide what it gains or loses.
    scope.fields.dropTemporaryItem(scope.controls, IDC_FONT_ALIGNMENT);
    if (isOutlineType(scope.record.typeIndex)) {
        fitToOutlineType(scope);
    } else {
        fitToBitmapType(scope);
    }
    fitRotation(scope);
}

}  // namespace vx::charfont
