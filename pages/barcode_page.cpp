#include "pages/barcode_page.h"

#include <optional>

#include "pages/barcode_lists.h"
#include "pages/symbol_rotations.h"
#include "resources/resource.h"
#include "settings/field_specs.h"
#include "settings/font_names.h"

namespace vx {

using namespace barcode;

namespace {

using R = BarcodeRecord;
using Row = ControlRow<R>;
using enum ControlKind;

// Left column, then right column: the tab order of the template (the five
// element widths framed together on the right). Labels, units, ranges and
// stored widths are the fields' in the catalogue. The check-digit list has
// no codes of its own: its entries follow the type, and the page's steps
// move it.
// clang-format off
constexpr Row kRows[] = {
    {.id = IDC_BC_FONT_NAME, .kind = FontNameList, .label = "バーコードフォント名"},
    {.id = IDC_BC_TYPE, .kind = TypeList, .label = "バーコード種別"},
    described<R>(fields::kBarcodeRotation, {.id = IDC_BC_ROTATION, .kind = List,
        .codes = &kSymbolRotations, .codeFields = {&R::rotation}}),
    // A code "4" from a file under a type without a fourth entry stays
    // visible, and stored, as a temporary item.
    described<R>(fields::kPlainCheckDigit, {.id = IDC_BC_CHECK_DIGIT, .kind = List,
        .showsUnofferedValue = true}),
    described<R>(fields::kStartStop, {.id = IDC_BC_START_STOP, .kind = List,
        .codes = &kStartStops, .codeFields = {&R::startStop}}),
    described<R>(fields::kHumanReadable, {.id = IDC_BC_HUMAN_READABLE, .kind = List,
        .codes = &kHumanReadables, .codeFields = {&R::humanReadable}}),
    described<R>(fields::kRssVersion, {.id = IDC_BC_RSS_VERSION, .kind = List,
        .codes = &kRssVersions, .codeFields = {&R::rssVersion}}),
    described<R>(fields::kAutoSwitch, {.id = IDC_BC_AUTO_SWITCH, .kind = List,
        .codes = &kAutoSwitches, .codeFields = {&R::autoSwitch}}),
    described<R>(fields::kBarcodeOriginX, {.id = IDC_BC_ORIGIN_X, .kind = NumericEdit,
        .spin = IDC_BC_ORIGIN_X_SPIN, .autoBox = IDC_BC_ORIGIN_X_AUTO, .field = &R::originX}),
    {.id = IDC_BC_ORIGIN_X_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kBarcodeOriginY, {.id = IDC_BC_ORIGIN_Y, .kind = NumericEdit,
        .spin = IDC_BC_ORIGIN_Y_SPIN, .autoBox = IDC_BC_ORIGIN_Y_AUTO, .field = &R::originY}),
    {.id = IDC_BC_ORIGIN_Y_AUTO, .kind = AutoBox, .label = "自動"},
    described<R>(fields::kNarrowBar, {.id = IDC_BC_NARROW_BAR, .kind = NumericEdit,
        .spin = IDC_BC_NARROW_BAR_SPIN, .field = &R::narrowBar}),
    described<R>(fields::kNarrowSpace, {.id = IDC_BC_NARROW_SPACE, .kind = NumericEdit,
        .spin = IDC_BC_NARROW_SPACE_SPIN, .field = &R::narrowSpace}),
    described<R>(fields::kWideBar, {.id = IDC_BC_WIDE_BAR, .kind = NumericEdit,
        .spin = IDC_BC_WIDE_BAR_SPIN, .field = &R::wideBar}),
    described<R>(fields::kWideSpace, {.id = IDC_BC_WIDE_SPACE, .kind = NumericEdit,
        .spin = IDC_BC_WIDE_SPACE_SPIN, .field = &R::wideSpace}),
    described<R>(fields::kCharGap, {.id = IDC_BC_CHAR_GAP, .kind = NumericEdit,
        .spin = IDC_BC_CHAR_GAP_SPIN, .field = &R::charGap}),
    described<R>(fields::kBarcodeModuleWidth, {.id = IDC_BC_MODULE_WIDTH, .kind = NumericEdit,
        .spin = IDC_BC_MODULE_WIDTH_SPIN, .field = &R::moduleWidth}),
    described<R>(fields::kBarcodeHeight, {.id = IDC_BC_HEIGHT, .kind = NumericEdit,
        .spin = IDC_BC_HEIGHT_SPIN, .field = &R::height}),
    described<R>(fields::kGuardBarLength, {.id = IDC_BC_GUARD_BAR, .kind = NumericEdit,
        .spin = IDC_BC_GUARD_BAR_SPIN, .field = &R::guardBarLength}),
    described<R>(fields::kBarcodeZeroSuppress, {.id = IDC_BC_ZERO_SUPPRESS, .kind = NumericEdit,
        .spin = IDC_BC_ZERO_SUPPRESS_SPIN, .field = &R::zeroSuppress}),
};
// clang-format on

const PageDescription<R> kDescription = {
    kRows,
    kBarcodeFontCount,
    barcodeFontName,
    kBarcodeTypeCount,
    barcodeTypeName,
    [](SettingsStore& store, int font) -> R& {
        return store.barcodes[static_cast<std::size_t>(font)];
    },
};

// The type index of a record, found by its name as the reader and writer
// select keys; -1 for a name outside the table.
int typeIndexOf(const R& record) { return barcodeTypeIndexOf(record.typeName); }

// The check-digit entries of a record's type; a name outside the table
// counts as "all other types".
CheckDigits checkDigitsOf(const R& record) {
    const std::optional<BarcodeType> type = barcodeTypeAt(typeIndexOf(record));
    return type ? barcode::checkDigitsOf(*type) : CheckDigits::Plain;
}

}  // namespace

std::span<const ControlRow<BarcodeRecord>> barcodePageRows() { return kRows; }

BarcodePage::BarcodePage(SettingsStore& store, Controls& controls)
    : RowPage(kDescription, store, controls),
      rememberedCheckDigit_(memoryRegistry().add(std::string())) {
    // Putting the focus into the check-digit list (and leaving it) confirms
    // what it shows: a price check digit set aside is no longer brought back.
    react(PageEvent::ListLostFocus, IDC_BC_CHECK_DIGIT,
          [this] { rememberedCheckDigit_[currentFont()].clear(); });
}

std::string BarcodePage::typeText(const BarcodeRecord& record) const {
    return pageText(record.typeName);
}

void BarcodePage::storeType(BarcodeRecord& record, std::string_view typeText) {
    record.setTypeByName(typeText);  // a text outside the table changes nothing
}

void BarcodePage::storeSteps(BarcodeRecord& record) {
    // Every entry of every variant stores its code; an unknown text (no
    // choice at all) leaves the record's code.
    const std::string_view code = kAllCheckDigits.codeFor(fields().text(IDC_BC_CHECK_DIGIT));
    if (!code.empty()) record.checkDigit = code;
}

void BarcodePage::showSteps(BarcodeRecord& record) {
    // The entry of the type's variant; a "4" under a type without a fourth
    // entry shows the price entry's text, which the list then offers as a
    // temporary item.
    const CheckDigits variant = checkDigitsOf(record);
    const CodedList& shown = variant == CheckDigits::Plain ? checkDigitList(CheckDigits::WithPrice)
                                                           : checkDigitList(variant);
    fields().setText(IDC_BC_CHECK_DIGIT, shown.textFor(record.checkDigit));
}

int BarcodePage::shownTypeIndex() const { return typeIndexOf(record()); }

void BarcodePage::applyTypeRules() {
    // A type outside the table disables nothing.
    enableRowsOfType(shownTypeIndex());
    rebuildCheckDigitList();
}

void BarcodePage::rebuildCheckDigitList() {
    fields().dropTemporaryItem(controls(), IDC_BC_CHECK_DIGIT);
    controls().setItems(IDC_BC_CHECK_DIGIT, checkDigitList(checkDigitsOf(record())).texts());
}

void BarcodePage::changeType() {
    // The record gets the new type and the values shown for the old one,
    // the old list's check digit among them.
    storeShown();
    BarcodeRecord& r = record();
    const int font = currentFont();
    if (checkDigitsOf(r) != CheckDigits::Plain) {
        if (!rememberedCheckDigit_[font].empty()) {
            r.checkDigit = kFourthCheckDigitCode;
            rememberedCheckDigit_[font].clear();
        }
    } else if (r.checkDigit == kFourthCheckDigitCode) {
        const std::string& shown = fields().text(IDC_BC_CHECK_DIGIT);
        rememberedCheckDigit_[font] = shown.empty() ? std::string(kPriceCheckDigitText) : shown;
        r.checkDigit = kAutoCheckDigitCode;
    }
    showCurrent();
}

}  // namespace vx
