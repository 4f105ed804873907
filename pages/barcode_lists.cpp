#include "pages/barcode_lists.h"

#include "settings/field_specs.h"

namespace vx::barcode {

namespace {

using namespace codes;

const CodedList kPlainCheckDigits{
    std::span(kWithPriceCheckDigitEntries).first(kPlainCheckDigitCount), 0, -1};
const CodedList kWithPriceCheckDigits{kWithPriceCheckDigitEntries, 0, -1};
const CodedList kMsiPlesseyCheckDigits{kMsiPlesseyCheckDigitEntries, 0, -1};

// Every check-digit entry of every variant, each once.
constexpr CodedEntry kAllCheckDigitEntries[] = {kNoCheckDigitEntry,   kCheckOnlyEntry,
                                                kAutoCheckDigitEntry, kPriceCheckDigitEntry,
                                                kMsiMethod1Entry,     kMsiMethod2Entry};

}  // namespace

// Unknown codes show, and unknown texts store, the first entry ("自動",
// "バー下数字なし", "自動付加", "RSS-14", "自動切り換えあり").
const CodedList kHumanReadables{kHumanReadableEntries, 0, 0};
const CodedList kStartStops{kStartStopEntries, 0, 0};
const CodedList kRssVersions{kRssVersionEntries, 0, 0};
const CodedList kAutoSwitches{kAutoSwitchEntries, 0, 0};
const CodedList kAllCheckDigits{kAllCheckDigitEntries, 0, -1};

const CodedList& checkDigitList(CheckDigits variant) {
    switch (variant) {
        case CheckDigits::Plain:
            break;
        case CheckDigits::WithPrice:
            return kWithPriceCheckDigits;
        case CheckDigits::MsiPlessey:
            return kMsiPlesseyCheckDigits;
    }
    return kPlainCheckDigits;
}

CheckDigits checkDigitsOf(BarcodeType type) {
    const FieldSpec* spec = findFieldSpec(FontKind::Barcode, "checkDigit", typeIndexOf(type));
    if (spec == &fields::kPriceCheckDigit) return CheckDigits::WithPrice;
    if (spec == &fields::kMsiCheckDigit) return CheckDigits::MsiPlessey;
    return CheckDigits::Plain;
}

}  // namespace vx::barcode
