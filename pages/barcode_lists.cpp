#include "pages/barcode_lists.h"

#include "settings/field_codes.h"

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

// clang-format off
TypeUse typeUse(BarcodeType type) {
    constexpr bool on = true, off = false;
    constexpr CheckDigits Plain = CheckDigits::Plain, WithPrice = CheckDigits::WithPrice,
                          Msi = CheckDigits::MsiPlessey;
    using enum BarcodeType;
    switch (type) {
        //                      bars module guard zero  check start rss  auto human  check-digit entries
        case Codabar:   return {on,  off, off, off, off, on,  off, off, on,  Plain};
        case Code2of5:  return {on,  off, off, on,  on,  off, off, off, on,  Plain};
        case Code128:   return {off, on,  off, on,  off, off, off, on,  on,  Plain};
        case Code39:
        case Code39FullAscii:
                        return {on,  off, off, on,  on,  on,  off, off, on,  Plain};
        case Code93:
        case UccEan128: return {off, on,  off, on,  off, off, off, off, on,  Plain};
        case Gs1DataBar:
                        return {off, on,  off, on,  off, off, on,  off, off, Plain};
        case Itf:       return {on,  off, off, off, on,  off, off, off, on,  Plain};
        case Jan13: case Jan13Plus2: case Jan13Plus5:
        case UpcA: case UpcAPlus2: case UpcAPlus5:
                        return {off, on,  on,  off, on,  off, off, off, on,  WithPrice};
        case Jan8: case Jan8Plus2: case Jan8Plus5:
        case UpcE: case UpcEPlus2: case UpcEPlus5:
                        return {off, on,  on,  off, on,  off, off, off, on,  Plain};
        case MsiPlessey:
                        return {on,  off, off, off, on,  on,  off, off, on,  Msi};
        case Customer:  return {off, on,  off, off, off, off, off, off, off, Plain};
    }
    return {};
}
// clang-format on

}  // namespace vx::barcode
