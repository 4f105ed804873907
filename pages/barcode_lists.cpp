#include "pages/barcode_lists.h"

namespace vx::barcode {

namespace {

constexpr CodedEntry kHumanReadableEntries[] = {
    {"バー下数字なし", {"0"}},
    {"バー下数字あり", {"1"}},
};

constexpr CodedEntry kStartStopEntries[] = {
    {"自動付加", {"default"}},
    {"スタートコードのみ付加", {"T"}},
    {"ストップコードのみ付加", {"P"}},
    {"付加なし", {"N"}},
};

// "RSS-14 Stacked Omnidirectional" is spelt correctly; its code is "3" as
// before.
constexpr CodedEntry kRssVersionEntries[] = {
    {"RSS-14", {"1"}},      {"RSS-14 Stacked", {"2"}}, {"RSS-14 Stacked Omnidirectional", {"3"}},
    {"RSS Limited", {"4"}}, {"RSS Expanded", {"5"}},   {"RSS Expanded Stacked", {"6"}},
};

constexpr CodedEntry kAutoSwitchEntries[] = {
    {"自動切り換えあり", {"9"}},
    {"自動切り換えなし", {"A"}},
};

// The check-digit entries, each written once; the variants list them.
constexpr CodedEntry kNoCheckDigit = {"付加なし", {"1"}};
constexpr CodedEntry kCheckOnly = {"チェックデジットチェック", {"2"}};
constexpr CodedEntry kAutoCheckDigit = {"チェックデジット自動付加", {kAutoCheckDigitCode}};
constexpr CodedEntry kPriceCheckDigit = {kPriceCheckDigitText, {kFourthCheckDigitCode}};
constexpr CodedEntry kMsiMethod1 = {"チェックデジット自動付加(1)", {kAutoCheckDigitCode}};
constexpr CodedEntry kMsiMethod2 = {"チェックデジット自動付加(2)", {kFourthCheckDigitCode}};

// Plain is the first three entries of WithPrice.
constexpr CodedEntry kWithPriceEntries[] = {kNoCheckDigit, kCheckOnly, kAutoCheckDigit,
                                            kPriceCheckDigit};
constexpr CodedEntry kMsiPlesseyEntries[] = {kNoCheckDigit, kCheckOnly, kMsiMethod1, kMsiMethod2};
constexpr CodedEntry kAllCheckDigitEntries[] = {kNoCheckDigit,    kCheckOnly,  kAutoCheckDigit,
                                                kPriceCheckDigit, kMsiMethod1, kMsiMethod2};

const CodedList kPlainCheckDigits{std::span(kWithPriceEntries).first(3), 0, -1};
const CodedList kWithPriceCheckDigits{kWithPriceEntries, 0, -1};
const CodedList kMsiPlesseyCheckDigits{kMsiPlesseyEntries, 0, -1};

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
