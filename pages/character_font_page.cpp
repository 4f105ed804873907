#include "pages/character_font_page.h"

#include <iterator>
#include <span>
#include <vector>

#include "pages/character_font_controls.h"

namespace vx {

using namespace charfont;

namespace {

constexpr std::string_view kDefault = "default";

constexpr FieldBinding kFields[] = {
    {kFontNameList, FieldKind::FontNameList},
    {kTypeList, FieldKind::List},
    {kOriginXEdit, FieldKind::Edit},
    {kOriginXAuto, FieldKind::Check},
    {kOriginYEdit, FieldKind::Edit},
    {kOriginYAuto, FieldKind::Check},
    {kHMagnificationList, FieldKind::List},
    {kVMagnificationList, FieldKind::List},
    {kWidthEdit, FieldKind::Edit},
    {kWidthAuto, FieldKind::Check},
    {kHeightEdit, FieldKind::Edit},
    {kHeightAuto, FieldKind::Check},
    {kDecorationList, FieldKind::List},
    {kReverseAreaXEdit, FieldKind::Edit},
    {kReverseAreaYEdit, FieldKind::Edit},
    {kFrameGapXEdit, FieldKind::Edit},
    {kFrameGapYEdit, FieldKind::Edit},
    {kStrikeEndEdit, FieldKind::Edit},
    {kZeroSuppressEdit, FieldKind::Edit},
    // The rotation and alignment lists lose items with the type, while a
    // record may still hold one of them.
    {kRotationList, FieldKind::List, true},
    {kSpacingAdjustList, FieldKind::List},
    {kSpacingEdit, FieldKind::Edit},
    {kEmphasisList, FieldKind::List},
    {kShiftXEdit, FieldKind::Edit},
    {kShiftYEdit, FieldKind::Edit},
    {kAlignmentList, FieldKind::List, true},
    {kAreaWidthEdit, FieldKind::Edit},
    {kLineFeedEdit, FieldKind::Edit},
    {kAreaLinesEdit, FieldKind::Edit},
    {kCheckDigitList, FieldKind::List},
};

constexpr std::string_view kRotationCodes[] = {
    kDefault, "00", "11", "22", "33", "01", "12", "23", "30",
};

// The controls that answer a click or a new choice with one rule, after a
// take.
struct Reaction {
    int id;
    void (*rule)(const CharacterFontScope&);
};
constexpr Reaction kAutoReactions[] = {
    {kOriginXAuto, applyOriginXAuto},
    {kOriginYAuto, applyOriginYAuto},
    {kWidthAuto, applyWidthAuto},
    {kHeightAuto, applyHeightAuto},
};
constexpr Reaction kListReactions[] = {
    {kDecorationList, applyDecorationRules},
    {kEmphasisList, applyEmphasisRules},
    {kSpacingAdjustList, applySpacingRules},
    {kAlignmentList, applyAlignmentRules},
};

const Reaction* findReaction(std::span<const Reaction> reactions, int id) {
    for (const Reaction& reaction : reactions) {
        if (reaction.id == id) return &reaction;
    }
    return nullptr;
}

std::vector<std::string> itemsOf(std::span<const std::string_view> texts) {
    return {texts.begin(), texts.end()};
}

template <class Name>
std::vector<std::string> namesOf(int count, Name name) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.push_back(pageText(name(i)));
    return out;
}

// Two characters of a record value from `at`; none beyond its end.
std::string_view pairAt(std::string_view value, std::size_t at) {
    return at >= value.size() ? std::string_view() : value.substr(at, 2);
}

std::string padded(const PageFields& fields, int id, int width) {
    return paddedRecordText(fields.text(id), width);
}

// "default" while the box is ticked, else the padded text.
std::string autoOrPadded(const PageFields& fields, int box, int edit, int width) {
    return fields.flag(box) ? std::string(kDefault) : padded(fields, edit, width);
}

// The edit shows the number of a value, or the remembered text with the box
// ticked while the record leaves the value to the printer driver.
void showAutoValue(PageFields& fields, int edit, int box, const std::string& value,
                   const std::string& remembered) {
    const bool automatic = value == kDefault;
    fields.setText(edit, automatic ? remembered : decimalText(value));
    fields.setFlag(box, automatic);
}

struct SizeControls {
    int magnificationList;
    int edit;
    int box;
};

void showSize(PageFields& fields, const SizeControls& size, bool outline, const std::string& value,
              const std::string& rememberedMag, const std::string& rememberedSize,
              bool rememberedAuto) {
    if (!outline) {
        fields.setText(size.magnificationList, magnificationText(value));
        fields.setText(size.edit, rememberedSize);
        fields.setFlag(size.box, rememberedAuto);
        return;
    }
    showAutoValue(fields, size.edit, size.box, value, rememberedSize);
    fields.setText(size.magnificationList, rememberedMag);
}

std::string storedSize(const PageFields& fields, const SizeControls& size, bool outline) {
    return outline ? autoOrPadded(fields, size.box, size.edit, 4)
                   : magnificationCode(fields.text(size.magnificationList));
}

constexpr SizeControls kWidth = {kHMagnificationList, kWidthEdit, kWidthAuto};
constexpr SizeControls kHeight = {kVMagnificationList, kHeightEdit, kHeightAuto};

}  // namespace

namespace charfont {

std::string magnificationCode(std::string_view text) {
    for (std::string_view item : kMagnificationTexts) {
        if (item == text) return {item[0], item[2]};  // the digits without the point
    }
    return "10";
}

std::string magnificationText(std::string_view code) {
    for (std::string_view item : kMagnificationTexts) {
        if (code.size() == 2 && code[0] == item[0] && code[1] == item[2]) return std::string(item);
    }
    return std::string(kDefaultMagnification);
}

std::string rotationCode(std::string_view text) {
    for (std::size_t i = 0; i < std::size(kRotationTexts); ++i) {
        if (kRotationTexts[i] == text) return std::string(kRotationCodes[i]);
    }
    return std::string(kDefault);
}

std::string rotationText(std::string_view code) {
    for (std::size_t i = 0; i < std::size(kRotationCodes); ++i) {
        if (kRotationCodes[i] == code) return std::string(kRotationTexts[i]);
    }
    return std::string(kRotationAuto);
}

}  // namespace charfont

CharacterFontPage::CharacterFontPage(SettingsStore& store, Controls& controls)
    : store_(store), controls_(controls), fields_(kFields) {}

CharacterFontScope CharacterFontPage::scope() {
    return {controls_, fields_, record(), memories_, currentFont_};
}

void CharacterFontPage::create() {
    controls_.setItems(kFontNameList, namesOf(kCharacterFontCount, characterFontName));
    controls_.setItems(kTypeList, namesOf(kCharacterTypeCount, characterTypeName));
    controls_.setItems(kHMagnificationList, itemsOf(kMagnificationTexts));
    controls_.setItems(kVMagnificationList, itemsOf(kMagnificationTexts));
    controls_.setItems(kDecorationList, itemsOf(kDecorationTexts));
    controls_.setItems(kRotationList, itemsOf(kRotationTexts));
    controls_.setItems(kSpacingAdjustList, itemsOf(kSpacingAdjustTexts));
    controls_.setItems(kEmphasisList, itemsOf(kEmphasisTexts));
    controls_.setItems(kAlignmentList, itemsOf(kAlignmentTexts));
    controls_.setItems(kCheckDigitList, itemsOf(kCheckDigitTexts));
    for (const NumericEdit& edit : kNumericEdits) {
        controls_.setSpinRange(edit.spin, edit.range.minimum, edit.range.maximum);
    }
    currentFont_ = 0;
    fields_.setPosition(kFontNameList, 0);
    controls_.select(kFontNameList, 0);
    resetAndShow();
}

void CharacterFontPage::resetAndShow() {
    memories_.reset();
    showCurrent();
}

void CharacterFontPage::storeCurrent() {
    PageFields& f = fields_;
    f.take(controls_);
    CharacterFontRecord& r = record();
    const int font = currentFont_;

    r.typeName = recordText(f.text(kTypeList));
    if (int index = characterTypeIndexOf(r.typeName); index >= 0) r.typeIndex = index;
    const bool outline = isOutlineType(r.typeIndex);

    memories_.rememberedOriginX[font] = f.text(kOriginXEdit);
    memories_.rememberedOriginY[font] = f.text(kOriginYEdit);
    memories_.rememberedHMag[font] = f.text(kHMagnificationList);
    memories_.rememberedWidthAuto[font] = f.flag(kWidthAuto);
    memories_.rememberedWidth[font] = f.text(kWidthEdit);
    memories_.rememberedVMag[font] = f.text(kVMagnificationList);
    memories_.rememberedHeightAuto[font] = f.flag(kHeightAuto);
    memories_.rememberedHeight[font] = f.text(kHeightEdit);

    r.originX = autoOrPadded(f, kOriginXAuto, kOriginXEdit, 4);
    r.originY = autoOrPadded(f, kOriginYAuto, kOriginYEdit, 5);
    r.sizeX = storedSize(f, kWidth, outline);
    r.sizeY = storedSize(f, kHeight, outline);

    const std::string& adjust = f.text(kSpacingAdjustList);
    r.spacingAdjust = adjust == kWiden ? "+" : adjust == kNarrow ? "-" : std::string(kDefault);
    r.spacing = padded(f, kSpacingEdit, outline ? 3 : 2);
    r.rotation = rotationCode(f.text(kRotationList));

    r.reverseAreaX = recordText(f.text(kReverseAreaXEdit));
    r.reverseAreaY = recordText(f.text(kReverseAreaYEdit));
    r.frameGapX = recordText(f.text(kFrameGapXEdit));
    r.frameGapY = recordText(f.text(kFrameGapYEdit));
    r.strikeEndLength = recordText(f.text(kStrikeEndEdit));
    const std::string& decoration = f.text(kDecorationList);
    if (decoration == kReversedText) {
        r.decoration = "W";
        r.decorationParams = padded(f, kReverseAreaXEdit, 2) + padded(f, kReverseAreaYEdit, 2);
    } else if (decoration == kFramedText) {
        r.decoration = "F";
        r.decorationParams = padded(f, kFrameGapXEdit, 2) + padded(f, kFrameGapYEdit, 2);
    } else if (decoration == kStruckText) {
        r.decoration = "C";
        r.decorationParams = padded(f, kStrikeEndEdit, 2);
    } else {
        r.decoration = "B";
        r.decorationParams = kDefault;
    }

    r.emphasis = f.text(kEmphasisList) == kEmphasised ? "J" : std::string(kDefault);
    r.shiftX = padded(f, kShiftXEdit, 2);
    r.shiftY = padded(f, kShiftYEdit, 2);

    const std::string& checkDigit = f.text(kCheckDigitList);
    const bool modulus10 = checkDigit == kModulus10;
    if (modulus10 || checkDigit == kModulus43) {
        r.checkDigit = "M";
        r.checkDigitMode = modulus10 ? "0" : "1";
    } else {
        r.checkDigit = r.checkDigitMode = kDefault;
    }

    if (f.text(kZeroSuppressEdit) == "0") {
        r.zeroSuppress = r.zeroSuppressDigits = kDefault;
    } else {
        r.zeroSuppress = "Z";
        r.zeroSuppressDigits = padded(f, kZeroSuppressEdit, 2);
    }

    r.alignment = r.alignmentMode = kDefault;
    for (std::size_t mode = 1; mode < std::size(kAlignmentTexts); ++mode) {
        if (f.text(kAlignmentList) == kAlignmentTexts[mode]) {
            r.alignment = "P";
            r.alignmentMode = std::to_string(mode);
        }
    }
    r.areaWidth = padded(f, kAreaWidthEdit, 4);
    r.lineFeed = padded(f, kLineFeedEdit, 3);
    r.areaLines = padded(f, kAreaLinesEdit, 2);
}

void CharacterFontPage::showCurrent() {
    PageFields& f = fields_;
    if (int chosen = f.position(kFontNameList); chosen >= 0 && chosen < kCharacterFontCount) {
        currentFont_ = chosen;
    }
    CharacterFontRecord& r = record();
    const int font = currentFont_;
    const bool outline = isOutlineType(r.typeIndex);

    f.setText(kTypeList, pageText(r.typeName));
    showAutoValue(f, kOriginXEdit, kOriginXAuto, r.originX, memories_.rememberedOriginX[font]);
    showAutoValue(f, kOriginYEdit, kOriginYAuto, r.originY, memories_.rememberedOriginY[font]);
    showSize(f, kWidth, outline, r.sizeX, memories_.rememberedHMag[font],
             memories_.rememberedWidth[font], memories_.rememberedWidthAuto[font]);
    showSize(f, kHeight, outline, r.sizeY, memories_.rememberedVMag[font],
             memories_.rememberedHeight[font], memories_.rememberedHeightAuto[font]);

    f.setText(kSpacingAdjustList, r.spacingAdjust == "+"   ? kWiden
                                  : r.spacingAdjust == "-" ? kNarrow
                                                           : kNoSpacingAdjust);
    f.setText(kSpacingEdit, decimalText(r.spacing));
    f.setText(kRotationList, rotationText(r.rotation));

    // The working values of the decoration parameters follow the record's
    // parameters for its own decoration and keep their values otherwise.
    if (r.decoration == "W") {
        f.setText(kDecorationList, kReversedText);
        r.reverseAreaX = decimalText(pairAt(r.decorationParams, 0));
        r.reverseAreaY = decimalText(pairAt(r.decorationParams, 2));
    } else if (r.decoration == "F") {
        f.setText(kDecorationList, kFramedText);
        r.frameGapX = decimalText(pairAt(r.decorationParams, 0));
        r.frameGapY = decimalText(pairAt(r.decorationParams, 2));
    } else if (r.decoration == "C") {
        f.setText(kDecorationList, kStruckText);
        r.strikeEndLength = decimalText(pairAt(r.decorationParams, 0));
    } else {
        f.setText(kDecorationList, kPlainText);
    }
    f.setText(kReverseAreaXEdit, decimalText(r.reverseAreaX));
    f.setText(kReverseAreaYEdit, decimalText(r.reverseAreaY));
    f.setText(kFrameGapXEdit, decimalText(r.frameGapX));
    f.setText(kFrameGapYEdit, decimalText(r.frameGapY));
    f.setText(kStrikeEndEdit, decimalText(r.strikeEndLength));

    f.setText(kEmphasisList, r.emphasis == "J" ? kEmphasised : kNotEmphasised);
    f.setText(kShiftXEdit, decimalText(r.shiftX));
    f.setText(kShiftYEdit, decimalText(r.shiftY));

    std::string_view checkDigit = kNoCheckDigit;
    if (r.checkDigit == "M" && r.checkDigitMode == "0") checkDigit = kModulus10;
    if (r.checkDigit == "M" && r.checkDigitMode == "1") checkDigit = kModulus43;
    f.setText(kCheckDigitList, checkDigit);

    f.setText(kZeroSuppressEdit, r.zeroSuppress == "Z" ? decimalText(r.zeroSuppressDigits) : "0");

    std::string_view alignment = kNoAlignment;
    for (std::size_t mode = 1; mode < std::size(kAlignmentTexts); ++mode) {
        if (r.alignment == "P" && r.alignmentMode == std::to_string(mode)) {
            alignment = kAlignmentTexts[mode];
        }
    }
    f.setText(kAlignmentList, alignment);
    f.setText(kAreaWidthEdit, r.areaWidth == kDefault ? "50" : decimalText(r.areaWidth));
    f.setText(kLineFeedEdit, r.lineFeed == kDefault ? "10" : decimalText(r.lineFeed));
    f.setText(kAreaLinesEdit, r.areaLines == kDefault ? "1" : decimalText(r.areaLines));

    applyTypeRules(scope());
    f.show(controls_);
}

void CharacterFontPage::onFontNameChanged() {
    storeCurrent();
    showCurrent();
}

void CharacterFontPage::onTypeChanged() { applyTypeChange(); }

void CharacterFontPage::applyTypeChange() {
    const NotedLineTexts noted = noteLineTexts(fields_);
    storeCurrent();  // under the new type: its take reads the new type's name
    fitToNewType(scope(), noted);
    showCurrent();
}

void CharacterFontPage::onAutoClicked(int id) {
    if (const Reaction* reaction = findReaction(kAutoReactions, id)) {
        fields_.take(controls_);
        reaction->rule(scope());
    }
}

void CharacterFontPage::onListChanged(int id) {
    if (id == kFontNameList) {
        onFontNameChanged();
        return;
    }
    if (id == kTypeList) {
        onTypeChanged();
        return;
    }
    if (!fields_.binds(id)) return;
    fields_.userChose(controls_, id);
    if (const Reaction* reaction = findReaction(kListReactions, id)) {
        fields_.take(controls_);
        reaction->rule(scope());
    }
}

void CharacterFontPage::onListOpened(int id) {
    if (id == kAlignmentList) memories_.rememberedAlignment[currentFont_].clear();
    if (id == kRotationList) memories_.rememberedRotationText[currentFont_].clear();
}

void CharacterFontPage::onEditLostFocus(int id) {
    FieldRange range{};
    if (id == kSpacingEdit) {
        // Leaving the spacing confirms it: a spacing set aside by a type
        // change is no longer brought back.
        memories_.rememberedSpacing[currentFont_].clear();
        range = isOutlineType(record().typeIndex) ? kOutlineSpacingRange : kBitmapSpacingRange;
    } else {
        const NumericEdit* found = nullptr;
        for (const NumericEdit& edit : kNumericEdits) {
            if (edit.edit == id) found = &edit;
        }
        if (found == nullptr) return;
        range = found->range;
    }
    clampField(fields_, controls_, id, range);
}

}  // namespace vx
