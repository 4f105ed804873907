#include "pages/barcode_page.h"

#include <optional>

#include "pages/barcode_lists.h"
#include "pages/symbol_rotations.h"
#include "resources/resource.h"

namespace vx {

using namespace barcode;

namespace {

using R = BarcodeRecord;
using Row = ControlRow<R>;
using enum ControlKind;

// Left column, then right column: the tab order of the template (the five
// element widths framed together on the right). The check-digit list has no
// codes of its own: its entries follow the type, and the page's steps move
// it.
// clang-format off
constexpr Row kRows[] = {
    {.id = IDC_BC_FONT_NAME, .kind = FontNameList, .label = "バーコードフォント名"},
    {.id = IDC_BC_TYPE, .kind = TypeList, .label = "バーコード種別"},
    {.id = IDC_BC_ROTATION, .kind = List, .label = "回転方向", .codes = &kSymbolRotations,
     .codeFields = {&R::rotation}},
    // A code "4" from a file under a type without a fourth entry stays
    // visible, and stored, as a temporary item.
    {.id = IDC_BC_CHECK_DIGIT, .kind = List, .label = "チェックデジット",
     .showsUnofferedValue = true},
    {.id = IDC_BC_START_STOP, .kind = List, .label = "スタート／ストップコード",
     .codes = &kStartStops, .codeFields = {&R::startStop}},
    {.id = IDC_BC_HUMAN_READABLE, .kind = List, .label = "バー下付き文字",
     .codes = &kHumanReadables, .codeFields = {&R::humanReadable}},
    {.id = IDC_BC_RSS_VERSION, .kind = List, .label = "RSSバージョン", .codes = &kRssVersions,
     .codeFields = {&R::rssVersion}},
    {.id = IDC_BC_AUTO_SWITCH, .kind = List, .label = "自動切り替え", .codes = &kAutoSwitches,
     .codeFields = {&R::autoSwitch}},
    {.id = IDC_BC_ORIGIN_X, .kind = NumericEdit, .label = "基点X座標", .unit = "x0.1mm",
     .spin = IDC_BC_ORIGIN_X_SPIN, .range = {0, 9999, 4}, .autoBox = IDC_BC_ORIGIN_X_AUTO,
     .field = &R::originX, .width = 4},
    {.id = IDC_BC_ORIGIN_X_AUTO, .kind = AutoBox, .label = "自動"},
    {.id = IDC_BC_ORIGIN_Y, .kind = NumericEdit, .label = "基点Y座標", .unit = "x0.1mm",
     .spin = IDC_BC_ORIGIN_Y_SPIN, .range = {0, 32767, 5}, .autoBox = IDC_BC_ORIGIN_Y_AUTO,
     .field = &R::originY, .width = 5},
    {.id = IDC_BC_ORIGIN_Y_AUTO, .kind = AutoBox, .label = "自動"},
    {.id = IDC_BC_NARROW_BAR, .kind = NumericEdit, .label = "細バー幅", .unit = "ドット",
     .spin = IDC_BC_NARROW_BAR_SPIN, .range = {1, 99, 2}, .field = &R::narrowBar, .width = 2},
    {.id = IDC_BC_NARROW_SPACE, .kind = NumericEdit, .label = "細スペース幅", .unit = "ドット",
     .spin = IDC_BC_NARROW_SPACE_SPIN, .range = {1, 99, 2}, .field = &R::narrowSpace,
     .width = 2},
    {.id = IDC_BC_WIDE_BAR, .kind = NumericEdit, .label = "太バー幅", .unit = "ドット",
     .spin = IDC_BC_WIDE_BAR_SPIN, .range = {1, 99, 2}, .field = &R::wideBar, .width = 2},
    {.id = IDC_BC_WIDE_SPACE, .kind = NumericEdit, .label = "太スペース幅", .unit = "ドット",
     .spin = IDC_BC_WIDE_SPACE_SPIN, .range = {1, 99, 2}, .field = &R::wideSpace, .width = 2},
    {.id = IDC_BC_CHAR_GAP, .kind = NumericEdit, .label = "キャラクタ間幅", .unit = "ドット",
     .spin = IDC_BC_CHAR_GAP_SPIN, .range = {1, 99, 2}, .field = &R::charGap, .width = 2},
    {.id = IDC_BC_MODULE_WIDTH, .kind = NumericEdit, .label = "1モジュール幅", .unit = "ドット",
     .spin = IDC_BC_MODULE_WIDTH_SPIN, .range = {1, 15, 2}, .field = &R::moduleWidth,
     .width = 2},
    {.id = IDC_BC_HEIGHT, .kind = NumericEdit, .label = "バーコード高さ", .unit = "x0.1mm",
     .spin = IDC_BC_HEIGHT_SPIN, .range = {0, 1000, 4}, .field = &R::height, .width = 4},
    {.id = IDC_BC_GUARD_BAR, .kind = NumericEdit, .label = "ガードバーの長さ", .unit = "x0.1mm",
     .spin = IDC_BC_GUARD_BAR_SPIN, .range = {0, 100, 3}, .field = &R::guardBarLength,
     .width = 3},
    {.id = IDC_BC_ZERO_SUPPRESS, .kind = NumericEdit, .label = "ゼロサプレス", .unit = "桁",
     .spin = IDC_BC_ZERO_SUPPRESS_SPIN, .range = {0, 40, 2}, .field = &R::zeroSuppress,
     .width = 2},
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

// The controls of each column of the per-type table.
constexpr int kBars[] = {
    IDC_BC_NARROW_BAR, IDC_BC_NARROW_BAR_SPIN, IDC_BC_NARROW_SPACE, IDC_BC_NARROW_SPACE_SPIN,
    IDC_BC_WIDE_BAR,   IDC_BC_WIDE_BAR_SPIN,   IDC_BC_WIDE_SPACE,   IDC_BC_WIDE_SPACE_SPIN,
    IDC_BC_CHAR_GAP,   IDC_BC_CHAR_GAP_SPIN,
};
constexpr int kModuleWidth[] = {IDC_BC_MODULE_WIDTH, IDC_BC_MODULE_WIDTH_SPIN};
constexpr int kGuardBar[] = {IDC_BC_GUARD_BAR, IDC_BC_GUARD_BAR_SPIN};
constexpr int kZeroSuppress[] = {IDC_BC_ZERO_SUPPRESS, IDC_BC_ZERO_SUPPRESS_SPIN};
constexpr int kCheckDigit[] = {IDC_BC_CHECK_DIGIT};
constexpr int kStartStop[] = {IDC_BC_START_STOP};
constexpr int kRssVersion[] = {IDC_BC_RSS_VERSION};
constexpr int kAutoSwitch[] = {IDC_BC_AUTO_SWITCH};
constexpr int kHumanReadable[] = {IDC_BC_HUMAN_READABLE};

// The use of a record's type, found by its name as the reader and writer
// select keys; nothing for a name outside the table.
std::optional<TypeUse> typeUseOf(const R& record) {
    const std::optional<BarcodeType> type = barcodeTypeAt(barcodeTypeIndexOf(record.typeName));
    return type ? std::optional<TypeUse>(typeUse(*type)) : std::nullopt;
}

// The check-digit entries of a record's type; a name outside the table
// counts as "all other types".
CheckDigits checkDigitsOf(const R& record) {
    const std::optional<TypeUse> use = typeUseOf(record);
    return use ? use->checkDigits : CheckDigits::Plain;
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

void BarcodePage::applyTypeRules() {
    Controls& c = controls();
    // A type outside the table disables nothing.
    const TypeUse use = typeUseOf(record()).value_or(
        TypeUse{true, true, true, true, true, true, true, true, true, CheckDigits::Plain});
    auto enable = [&c](std::span<const int> ids, bool used) {
        for (int id : ids) c.setEnabled(id, used);
    };
    enable(kBars, use.bars);
    enable(kModuleWidth, use.moduleWidth);
    enable(kGuardBar, use.guardBar);
    enable(kZeroSuppress, use.zeroSuppress);
    enable(kCheckDigit, use.checkDigit);
    enable(kStartStop, use.startStop);
    enable(kRssVersion, use.rssVersion);
    enable(kAutoSwitch, use.autoSwitch);
    enable(kHumanReadable, use.humanReadable);
    rebuildCheckDigitList();
}

void BarcodePage::rebuildCheckDigitList() {
    fields().dropTemporaryItem(controls(), IDC_BC_CHECK_DIGIT);
    controls().setItems(IDC_BC_CHECK_DIGIT, checkDigitList(checkDigitsOf(record())).texts());
}

void BarcodePage::changeType() {
    // The record gets the new type and the values shown for the old one,
    // the old list's check digit among them.
    storeCurrent();
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
