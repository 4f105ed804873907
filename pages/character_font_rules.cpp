#include "pages/character_font_rules.h"

#include <iterator>
#include <string_view>

#include "pages/character_font_controls.h"

namespace vx::charfont {

namespace {

constexpr int kFirstKanjiTypeIndex = 14;

bool outlineShown(const CharacterFontScope& scope) { return isOutlineType(scope.record.typeIndex); }

void applyAuto(const CharacterFontScope& scope, int box, int edit, int spin) {
    setEnabled(scope.controls, {edit, spin}, !scope.fields.flag(box));
    scope.fields.show(scope.controls);
}

// Character and string turned differently ("01", "12", "23", "30").
bool isMixedRotation(std::string_view code) {
    return code != "default" && code.size() >= 2 && code[0] != code[1];
}

}  // namespace

bool isOutlineType(int typeIndex) { return typeIndex >= kFirstOutlineTypeIndex; }
bool isKanjiType(int typeIndex) {
    return typeIndex >= kFirstKanjiTypeIndex && typeIndex < kFirstOutlineTypeIndex;
}

CharacterFontMemories::CharacterFontMemories(int fontCount)
    : rememberedOriginX(fontCount, "0"),
      rememberedOriginY(fontCount, "0"),
      rememberedHMag(fontCount, std::string(kDefaultMagnification)),
      rememberedVMag(fontCount, std::string(kDefaultMagnification)),
      rememberedWidth(fontCount, "20"),
      rememberedHeight(fontCount, "20"),
      rememberedWidthAuto(fontCount, true),
      rememberedHeightAuto(fontCount, true),
      rememberedSpacing(fontCount, ""),
      rememberedAlignment(fontCount, ""),
      rememberedRotationText(fontCount, ""),
      rememberedRotationCode(fontCount, "") {}

void CharacterFontMemories::reset() {
    rememberedOriginX.reset();
    rememberedOriginY.reset();
    rememberedHMag.reset();
    rememberedVMag.reset();
    rememberedWidth.reset();
    rememberedHeight.reset();
    rememberedWidthAuto.reset();
    rememberedHeightAuto.reset();
    rememberedSpacing.reset();
    rememberedAlignment.reset();
    rememberedRotationText.reset();
    rememberedRotationCode.reset();
}

void applyTypeRules(const CharacterFontScope& scope) {
    applyOriginXAuto(scope);
    applyOriginYAuto(scope);
    applySizeRules(scope);
    applyEmphasisRules(scope);
    applyAlignmentRules(scope);
    applySpacingRules(scope);
    rebuildRotationList(scope);
    if (outlineShown(scope)) {
        applyWidthAuto(scope);
        applyHeightAuto(scope);
    }
    applyDecorationRules(scope);
}

void applyOriginXAuto(const CharacterFontScope& scope) {
    applyAuto(scope, kOriginXAuto, kOriginXEdit, kOriginXSpin);
}
void applyOriginYAuto(const CharacterFontScope& scope) {
    applyAuto(scope, kOriginYAuto, kOriginYEdit, kOriginYSpin);
}
void applyWidthAuto(const CharacterFontScope& scope) {
    applyAuto(scope, kWidthAuto, kWidthEdit, kWidthSpin);
}
void applyHeightAuto(const CharacterFontScope& scope) {
    applyAuto(scope, kHeightAuto, kHeightEdit, kHeightSpin);
}

void applySizeRules(const CharacterFontScope& scope) {
    const bool outline = outlineShown(scope);
    setEnabled(scope.controls, {kHMagnificationList, kVMagnificationList}, !outline);
    setEnabled(scope.controls,
               {kWidthEdit, kWidthSpin, kWidthAuto, kHeightEdit, kHeightSpin, kHeightAuto},
               outline);
}

void applyEmphasisRules(const CharacterFontScope& scope) {
    const bool bitmap = !outlineShown(scope);
    scope.controls.setEnabled(kEmphasisList, bitmap);
    setEnabled(scope.controls, {kShiftXEdit, kShiftYEdit, kShiftXSpin, kShiftYSpin},
               bitmap && scope.fields.text(kEmphasisList) == kEmphasised);
}

void applyAlignmentRules(const CharacterFontScope& scope) {
    const std::string& alignment = scope.fields.text(kAlignmentList);
    const bool lineBreak = alignment == kLineBreak;
    setEnabled(scope.controls, {kAreaWidthEdit, kAreaWidthSpin},
               lineBreak || alignment == kJustified);
    setEnabled(scope.controls, {kLineFeedEdit, kLineFeedSpin, kAreaLinesEdit, kAreaLinesSpin},
               lineBreak);
}

void applySpacingRules(const CharacterFontScope& scope) {
    setEnabled(scope.controls, {kSpacingEdit, kSpacingSpin},
               scope.fields.text(kSpacingAdjustList) != kNoSpacingAdjust);
    const FieldRange range = outlineShown(scope) ? kOutlineSpacingRange : kBitmapSpacingRange;
    scope.controls.setSpinRange(kSpacingSpin, range.minimum, range.maximum);
}

void rebuildRotationList(const CharacterFontScope& scope) {
    Controls& controls = scope.controls;
    scope.fields.dropTemporaryItem(controls, kRotationList);
    const int all = static_cast<int>(std::size(kRotationTexts));
    if (isKanjiType(scope.record.typeIndex)) {
        if (controls.itemCount(kRotationList) == kRotationsForEveryType) {
            for (int i = kRotationsForEveryType; i < all; ++i) {
                controls.insertItem(kRotationList, -1, kRotationTexts[static_cast<std::size_t>(i)]);
            }
        }
        return;
    }
    for (int position = all - 1; position >= kRotationsForEveryType; --position) {
        if (position < controls.itemCount(kRotationList))
            controls.removeItem(kRotationList, position);
    }
}

void applyDecorationRules(const CharacterFontScope& scope) {
    Controls& controls = scope.controls;
    setEnabled(
        controls,
        {kReverseAreaXEdit, kReverseAreaYEdit, kFrameGapXEdit, kFrameGapYEdit, kStrikeEndEdit,
         kReverseAreaXSpin, kReverseAreaYSpin, kFrameGapXSpin, kFrameGapYSpin, kStrikeEndSpin},
        false);
    const std::string& decoration = scope.fields.text(kDecorationList);
    if (decoration == kReversedText) {
        setEnabled(controls,
                   {kReverseAreaXEdit, kReverseAreaXSpin, kReverseAreaYEdit, kReverseAreaYSpin},
                   true);
    } else if (decoration == kFramedText) {
        setEnabled(controls, {kFrameGapXEdit, kFrameGapXSpin, kFrameGapYEdit, kFrameGapYSpin},
                   true);
    } else if (decoration == kStruckText) {
        setEnabled(controls, {kStrikeEndEdit, kStrikeEndSpin}, true);
    }
}

NotedLineTexts noteLineTexts(const PageFields& fields) {
    return {fields.text(kLineFeedEdit), fields.text(kAreaLinesEdit)};
}

namespace {

// A bitmap type holds "自動改行" and spacings up to 99.
void fitToBitmapType(const CharacterFontScope& scope) {
    Controls& controls = scope.controls;
    PageFields& fields = scope.fields;
    CharacterFontRecord& record = scope.record;
    CharacterFontMemories& memories = scope.memories;
    const int font = scope.font;

    if (controls.itemCount(kAlignmentList) == kLineBreakPosition) {
        controls.insertItem(kAlignmentList, -1, kLineBreak);
    }
    if (memories.rememberedAlignment[font] == kLineBreak) {
        memories.rememberedAlignment[font].clear();
        fields.setText(kAlignmentList, kLineBreak);
        record.alignment = "P";
        record.alignmentMode = "5";
        record.areaWidth = paddedRecordText(fields.text(kAreaWidthEdit), 4);
        record.lineFeed = paddedRecordText(fields.text(kLineFeedEdit), 3);
        record.areaLines = paddedRecordText(fields.text(kAreaLinesEdit), 2);
    }
    if (leadingInteger(fields.text(kSpacingEdit)) > kBitmapSpacingRange.maximum) {
        memories.rememberedSpacing[font] = fields.text(kSpacingEdit);
        fields.setText(kSpacingEdit, "99");
        record.spacing = "99";
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

    if (fields.text(kAlignmentList) == kLineBreak) {
        memories.rememberedAlignment[font] = std::string(kLineBreak);
        fields.setText(kAlignmentList, kJustified);
        record.alignment = "P";
        record.alignmentMode = "4";
        record.areaWidth = paddedRecordText(fields.text(kAreaWidthEdit), 4);
    }
    record.lineFeed = paddedRecordText(fields.text(kLineFeedEdit), 3);
    record.areaLines = paddedRecordText(fields.text(kAreaLinesEdit), 2);
    if (controls.itemCount(kAlignmentList) > kLineBreakPosition) {
        controls.removeItem(kAlignmentList, kLineBreakPosition);
    }
    if (!memories.rememberedSpacing[font].empty()) {
        fields.setText(kSpacingEdit, memories.rememberedSpacing[font]);
        record.spacing = paddedRecordText(memories.rememberedSpacing[font], 3);
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
            fields.setText(kRotationList, memories.rememberedRotationText[font]);
            record.rotation = memories.rememberedRotationCode[font];
            memories.rememberedRotationText[font].clear();
        }
    } else if (isMixedRotation(record.rotation)) {
        memories.rememberedRotationText[font] = fields.text(kRotationList);
        memories.rememberedRotationCode[font] = record.rotation;
        fields.setText(kRotationList, kRotation270);
        record.rotation = "33";
    }
}

}  // namespace

void fitToNewType(const CharacterFontScope& scope, const NotedLineTexts& noted) {
    scope.fields.setText(kLineFeedEdit, noted.lineFeed);
    scope.fields.setText(kAreaLinesEdit, noted.lineCount);
    // The alignment list's own items decide what it gains or loses.
    scope.fields.dropTemporaryItem(scope.controls, kAlignmentList);
    if (isOutlineType(scope.record.typeIndex)) {
        fitToOutlineType(scope);
    } else {
        fitToBitmapType(scope);
    }
    fitRotation(scope);
}

}  // namespace vx::charfont
