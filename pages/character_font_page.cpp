#include "pages/character_font_page.h"

#include <stdexcept>

#include "pages/character_font_lists.h"
#include "resources/resource.h"
#include "settings/field_codes.h"
#include "settings/field_specs.h"
#include "settings/font_names.h"

namespace vx {

using namespace charfont;

namespace {

using R = CharacterFontRecord;
using Row = ControlRow<R>;
using enum ControlKind;

// A part of the decoration's parameters: its working value keeps the text
// as typed; the parameters are padded when the page composes them.
constexpr Row decorationPart(const FieldSpec& spec, int id, int spin, std::string R::*field) {
    Row row = described<R>(spec, {.id = id, .kind = NumericEdit, .spin = spin, .field = field});
    row.width = 0;
    return row;
}

// Left column, then right column: the tab order of the template. Labels,
// units, ranges and stored widths are the fields' in the catalogue. Rows
// without a record field are moved by the page's own steps: the size
// fields and the spacing follow the type group, the decoration composes its
// parameters, and "ゼロサプレス" stores two fields.
// clang-format off
constexpr Row kRows[] = {
    {.id = IDC_FONT_FONT_NAME, .kind = FontNameList, .label = "フォント名"},
    {.id = IDC_FONT_TYPE, .kind = TypeList, .label = "フォント種別"},
    described<R>(fields::kCharOriginX, {.id = IDC_FONT_ORIGIN_X, .kind = NumericEdit,
        .spin = IDC_FONT_ORIGIN_X_SPIN, .autoBox = IDC_FONT_ORIGIN_X_AUTO, .field = &R::originX}),
    {.id = IDC_FONT_ORIGIN_X_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kCharOriginY, {.id = IDC_FONT_ORIGIN_Y, .kind = NumericEdit,
        .spin = IDC_FONT_ORIGIN_Y_SPIN, .autoBox = IDC_FONT_ORIGIN_Y_AUTO, .field = &R::originY}),
    {.id = IDC_FONT_ORIGIN_Y_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kCharMagnificationX, {.id = IDC_FONT_H_MAG, .kind = List,
        .codes = &kMagnifications}),
    described<R>(fields::kCharMagnificationY, {.id = IDC_FONT_V_MAG, .kind = List,
        .codes = &kMagnifications}),
    described<R>(fields::kCharWidth, {.id = IDC_FONT_WIDTH, .kind = NumericEdit,
        .spin = IDC_FONT_WIDTH_SPIN, .autoBox = IDC_FONT_WIDTH_AUTO, .rememberedInitially = "20"}),
    {.id = IDC_FONT_WIDTH_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kCharHeight, {.id = IDC_FONT_HEIGHT, .kind = NumericEdit,
        .spin = IDC_FONT_HEIGHT_SPIN, .autoBox = IDC_FONT_HEIGHT_AUTO, .rememberedInitially = "20"}),
    {.id = IDC_FONT_HEIGHT_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kDecoration, {.id = IDC_FONT_DECORATION, .kind = List,
        .codes = &kDecorations}),
    decorationPart(fields::kReverseAreaX, IDC_FONT_REVERSE_AREA_X, IDC_FONT_REVERSE_AREA_X_SPIN, &R::reverseAreaX),
    decorationPart(fields::kReverseAreaY, IDC_FONT_REVERSE_AREA_Y, IDC_FONT_REVERSE_AREA_Y_SPIN, &R::reverseAreaY),
    decorationPart(fields::kFrameGapX, IDC_FONT_FRAME_GAP_X, IDC_FONT_FRAME_GAP_X_SPIN, &R::frameGapX),
    decorationPart(fields::kFrameGapY, IDC_FONT_FRAME_GAP_Y, IDC_FONT_FRAME_GAP_Y_SPIN, &R::frameGapY),
    decorationPart(fields::kStrikeEndLength, IDC_FONT_STRIKE_END, IDC_FONT_STRIKE_END_SPIN, &R::strikeEndLength),
    // "ゼロサプレス": 0 turns zero suppression off, any other number is its
    // digits.
    described<R>(fields::kCharZeroSuppressDigits, {.id = IDC_FONT_ZERO_SUPPRESS,
        .kind = NumericEdit, .spin = IDC_FONT_ZERO_SUPPRESS_SPIN}),
    // The rotation and alignment lists lose items with the type, while a
    // record may still hold one of them.
    described<R>(fields::kKanjiRotation, {.id = IDC_FONT_ROTATION, .kind = List,
        .codes = &kRotations, .codeFields = {&R::rotation}, .showsUnofferedValue = true}),
    described<R>(fields::kCharSpacingAdjust, {.id = IDC_FONT_SPACING_ADJUST, .kind = List,
        .codes = &kSpacingAdjusts, .codeFields = {&R::spacingAdjust}}),
    // The range of a bitmap type; an outline type widens it.
    described<R>(fields::kBitmapSpacing, {.id = IDC_FONT_SPACING, .kind = NumericEdit,
        .spin = IDC_FONT_SPACING_SPIN}),
    described<R>(fields::kEmphasis, {.id = IDC_FONT_EMPHASIS, .kind = List, .codes = &kEmphases,
        .codeFields = {&R::emphasis}}),
    described<R>(fields::kShiftX, {.id = IDC_FONT_SHIFT_X, .kind = NumericEdit,
        .spin = IDC_FONT_SHIFT_X_SPIN, .field = &R::shiftX}),
    described<R>(fields::kShiftY, {.id = IDC_FONT_SHIFT_Y, .kind = NumericEdit,
        .spin = IDC_FONT_SHIFT_Y_SPIN, .field = &R::shiftY}),
    described<R>(fields::kBitmapAlignment, {.id = IDC_FONT_ALIGNMENT, .kind = List,
        .codes = &kAlignments, .codeFields = {&R::alignment, &R::alignmentMode},
        .showsUnofferedValue = true}),
    described<R>(fields::kAreaWidth, {.id = IDC_FONT_AREA_WIDTH, .kind = NumericEdit,
        .spin = IDC_FONT_AREA_WIDTH_SPIN, .field = &R::areaWidth}),
    described<R>(fields::kLineFeed, {.id = IDC_FONT_LINE_FEED, .kind = NumericEdit,
        .spin = IDC_FONT_LINE_FEED_SPIN, .field = &R::lineFeed}),
    described<R>(fields::kAreaLines, {.id = IDC_FONT_AREA_LINES, .kind = NumericEdit,
        .spin = IDC_FONT_AREA_LINES_SPIN, .field = &R::areaLines}),
    described<R>(fields::kCharCheckDigit, {.id = IDC_FONT_CHECK_DIGIT, .kind = List,
        .codes = &kCheckDigits, .codeFields = {&R::checkDigit, &R::checkDigitMode}}),
};
// clang-format on

const PageDescription<R> kDescription = {
    kRows,
    kCharacterFontCount,
    characterFontName,
    kCharacterTypeCount,
    characterTypeName,
    [](SettingsStore& store, int font) -> R& {
        return store.fonts[static_cast<std::size_t>(font)];
    },
};

// Two characters of a record value from `at`; none beyond its end.
std::string_view pairAt(std::string_view value, std::size_t at) {
    return at >= value.size() ? std::string_view() : value.substr(at, 2);
}

// The width and the height: a magnification for bitmap types, a size in
// 0.1 mm (or "自動") for outline types.
struct SizeControls {
    int magnificationList;
    int edit;
    int box;
};
constexpr SizeControls kWidth = {IDC_FONT_H_MAG, IDC_FONT_WIDTH, IDC_FONT_WIDTH_AUTO};
constexpr SizeControls kHeight = {IDC_FONT_V_MAG, IDC_FONT_HEIGHT, IDC_FONT_HEIGHT_AUTO};

struct SizeMemories {
    PerFontMemory<std::string>& magnification;
    PerFontMemory<std::string>& size;
    PerFontMemory<bool>& automatic;
};

// The memories of the width or the height; the skeleton keeps the edit's
// text.
SizeMemories sizeMemories(const SizeControls& size, CharacterFontMemories& memories,
                          PerFontMemory<std::string>& text) {
    const bool width = size.edit == IDC_FONT_WIDTH;
    return {width ? memories.rememberedHMag : memories.rememberedVMag, text,
            width ? memories.rememberedWidthAuto : memories.rememberedHeightAuto};
}

// An edit's text as its record field holds it: padded to the edit's stored
// width.
std::string storedText(int edit, std::string_view text) {
    for (const Row& row : kRows) {
        if (row.id == edit) return paddedRecordText(text, row.width);
    }
    throw std::logic_error("no character font edit " + std::to_string(edit));
}

std::string storedSize(const PageFields& fields, const SizeControls& size, bool outline) {
    if (!outline) return std::string(kMagnifications.codeFor(fields.text(size.magnificationList)));
    if (fields.flag(size.box)) return std::string(kDefault);
    return storedText(size.edit, fields.text(size.edit));
}

void rememberSize(const PageFields& fields, const SizeControls& size, const SizeMemories& memory,
                  int font) {
    memory.magnification[font] = fields.text(size.magnificationList);
    memory.automatic[font] = fields.flag(size.box);
    memory.size[font] = fields.text(size.edit);
}

void showSize(PageFields& fields, const SizeControls& size, const SizeMemories& memory, int font,
              bool outline, const std::string& value) {
    if (!outline) {
        fields.setText(size.magnificationList, kMagnifications.textFor(value));
        fields.setText(size.edit, memory.size[font]);
        fields.setFlag(size.box, memory.automatic[font]);
        return;
    }
    const bool automatic = value == kDefault;
    fields.setText(size.edit, automatic ? memory.size[font] : decimalText(value));
    fields.setFlag(size.box, automatic);
    fields.setText(size.magnificationList, memory.magnification[font]);
}

}  // namespace

std::span<const ControlRow<CharacterFontRecord>> characterFontPageRows() { return kRows; }

CharacterFontPage::CharacterFontPage(SettingsStore& store, Controls& controls)
    : RowPage(kDescription, store, controls), memories_(memoryRegistry()) {
    // A choice that makes other fields usable or unusable.
    using Rule = void (*)(const CharacterFontScope&);
    const std::pair<int, Rule> choiceRules[] = {
        {IDC_FONT_DECORATION, applyDecorationRules},
        {IDC_FONT_EMPHASIS, applyEmphasisRules},
        {IDC_FONT_SPACING_ADJUST, applySpacingRules},
        {IDC_FONT_ALIGNMENT, applyAlignmentRules},
    };
    for (const auto& [list, rule] : choiceRules) {
        react(PageEvent::ListChanged, list, [this, rule] { runRule(rule); });
    }
    // Opening a list, or leaving the spacing, confirms what it shows: a value
    // set aside by a type change is no longer brought back.
    react(PageEvent::ListOpened, IDC_FONT_ALIGNMENT,
          [this] { memories_.rememberedAlignment[currentFont()].clear(); });
    react(PageEvent::ListOpened, IDC_FONT_ROTATION,
          [this] { memories_.rememberedRotationText[currentFont()].clear(); });
    react(PageEvent::EditLostFocus, IDC_FONT_SPACING,
          [this] { memories_.rememberedSpacing[currentFont()].clear(); });
}

CharacterFontScope CharacterFontPage::scope(int typeIndex) {
    return {controls(), fields(),      typeIndex,
            memories_,  currentFont(), [this](int id, bool usable) { enableRowOf(id, usable); }};
}

CharacterFontScope CharacterFontPage::scope() { return scope(record().typeIndex); }

void CharacterFontPage::runRule(void (*rule)(const CharacterFontScope&)) {
    fields().take(controls());
    rule(scope());
    fields().show(controls());
}

std::string CharacterFontPage::typeText(const CharacterFontRecord& record) const {
    return pageText(record.typeName);
}

void CharacterFontPage::storeType(CharacterFontRecord& record, std::string_view typeText) {
    record.typeName = typeText;
    if (int index = characterTypeIndexOf(record.typeName); index >= 0) record.typeIndex = index;
}

void CharacterFontPage::storeSteps(CharacterFontRecord& r) {
    const PageFields& f = fields();
    const int font = currentFont();
    const bool outline = isOutlineType(r.typeIndex);

    rememberSize(f, kWidth, sizeMemories(kWidth, memories_, rememberedTextOf(kWidth.edit)), font);
    rememberSize(f, kHeight, sizeMemories(kHeight, memories_, rememberedTextOf(kHeight.edit)),
                 font);
    r.sizeX = storedSize(f, kWidth, outline);
    r.sizeY = storedSize(f, kHeight, outline);

    r.spacing = paddedRecordText(f.text(IDC_FONT_SPACING), spacingRange(r.typeIndex).digits);

    // The decoration's parameters, two digits for each of its fields.
    auto twoDigits = [&f](int edit) { return paddedRecordText(f.text(edit), 2); };
    const std::string_view decoration = f.text(IDC_FONT_DECORATION);
    r.decoration = kDecorations.codeFor(decoration);
    if (decoration == kReversedText) {
        r.decorationParams =
            twoDigits(IDC_FONT_REVERSE_AREA_X) + twoDigits(IDC_FONT_REVERSE_AREA_Y);
    } else if (decoration == kFramedText) {
        r.decorationParams = twoDigits(IDC_FONT_FRAME_GAP_X) + twoDigits(IDC_FONT_FRAME_GAP_Y);
    } else if (decoration == kStruckText) {
        r.decorationParams = twoDigits(IDC_FONT_STRIKE_END);
    } else {
        r.decorationParams = kDefault;
    }

    const std::string& zeroSuppress = f.text(IDC_FONT_ZERO_SUPPRESS);
    if (zeroSuppress == "0") {
        r.zeroSuppress = r.zeroSuppressDigits = kDefault;
    } else {
        r.zeroSuppress = codes::kZeroSuppress;
        r.zeroSuppressDigits = storedText(IDC_FONT_ZERO_SUPPRESS, zeroSuppress);
    }
}

void CharacterFontPage::showSteps(CharacterFontRecord& r) {
    PageFields& f = fields();
    const int font = currentFont();
    const bool outline = isOutlineType(r.typeIndex);

    showSize(f, kWidth, sizeMemories(kWidth, memories_, rememberedTextOf(kWidth.edit)), font,
             outline, r.sizeX);
    showSize(f, kHeight, sizeMemories(kHeight, memories_, rememberedTextOf(kHeight.edit)), font,
             outline, r.sizeY);
    f.setText(IDC_FONT_SPACING, decimalText(r.spacing));

    // The working values of the decoration parameters follow the record's
    // parameters for its own decoration and keep their values otherwise;
    // their rows show them.
    const std::string_view decoration = kDecorations.textFor(r.decoration);
    f.setText(IDC_FONT_DECORATION, decoration);
    if (decoration == kReversedText) {
        r.reverseAreaX = decimalText(pairAt(r.decorationParams, 0));
        r.reverseAreaY = decimalText(pairAt(r.decorationParams, 2));
    } else if (decoration == kFramedText) {
        r.frameGapX = decimalText(pairAt(r.decorationParams, 0));
        r.frameGapY = decimalText(pairAt(r.decorationParams, 2));
    } else if (decoration == kStruckText) {
        r.strikeEndLength = decimalText(pairAt(r.decorationParams, 0));
    }

    f.setText(IDC_FONT_ZERO_SUPPRESS,
              r.zeroSuppress == codes::kZeroSuppress ? decimalText(r.zeroSuppressDigits) : "0");
}

void CharacterFontPage::applyTypeRules() { charfont::applyTypeRules(scope()); }

void CharacterFontPage::changeType() {
    const NotedLineTexts noted = noteLineTexts(fields());
    fields().take(controls());
    // The fields are fitted to the type the store is about to give the
    // record (a name outside the table keeps its index).
    const int chosen = characterTypeIndexOf(recordText(fields().text(IDC_FONT_TYPE)));
    fitToNewType(scope(chosen >= 0 ? chosen : record().typeIndex), noted);
    storeFields();
    showCurrent();
}

int CharacterFontPage::shownTypeIndex() const { return record().typeIndex; }

}  // namespace vx
