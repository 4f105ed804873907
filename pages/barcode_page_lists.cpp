#include "pages/barcode_page_lists.h"

#include "settings/settings_store.h"

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

// The per-type table, by type index.
// clang-format off
constexpr bool on = true, off = false;
using enum CheckDigits;
constexpr TypeUse kTypeUses[kBarcodeTypeCount] = {
    // bars module guard zero  check start rss  auto human  check-digit entries
    {on,  off, off, off, off, on,  off, off, on,  Plain},      // Codabar
    {on,  off, off, on,  on,  off, off, off, on,  Plain},      // Code 2of5
    {off, on,  off, on,  off, off, off, on,  on,  Plain},      // CODE128
    {on,  off, off, on,  on,  on,  off, off, on,  Plain},      // CODE39
    {on,  off, off, on,  on,  on,  off, off, on,  Plain},      // CODE39(フルアスキー)
    {off, on,  off, on,  off, off, off, off, on,  Plain},      // CODE93
    {off, on,  off, on,  off, off, on,  off, off, Plain},      // GS1 DataBar
    {on,  off, off, off, on,  off, off, off, on,  Plain},      // ITF
    {off, on,  on,  off, on,  off, off, off, on,  WithPrice},  // JAN/EAN13
    {off, on,  on,  off, on,  off, off, off, on,  WithPrice},  // JAN/EAN13+2digits
    {off, on,  on,  off, on,  off, off, off, on,  WithPrice},  // JAN/EAN13+5digits
    {off, on,  on,  off, on,  off, off, off, on,  Plain},      // JAN/EAN8
    {off, on,  on,  off, on,  off, off, off, on,  Plain},      // JAN/EAN8+2digits
    {off, on,  on,  off, on,  off, off, off, on,  Plain},      // JAN/EAN8+5digits
    {on,  off, off, off, on,  on,  off, off, on,  MsiPlessey}, // MSI/Plessey
    {off, on,  off, on,  off, off, off, off, on,  Plain},      // UCC/EAN128
    {off, on,  on,  off, on,  off, off, off, on,  WithPrice},  // UPC-A
    {off, on,  on,  off, on,  off, off, off, on,  WithPrice},  // UPC-A+2digits
    {off, on,  on,  off, on,  off, off, off, on,  WithPrice},  // UPC-A+5digits
    {off, on,  on,  off, on,  off, off, off, on,  Plain},      // UPC-E
    {off, on,  on,  off, on,  off, off, off, on,  Plain},      // UPC-E+2digits
    {off, on,  on,  off, on,  off, off, off, on,  Plain},      // UPC-E+5digits
    {off, on,  off, off, off, off, off, off, off, Plain},      // カスタマーバーコード
};
// clang-format on

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
        case Plain:
            break;
        case WithPrice:
            return kWithPriceCheckDigits;
        case MsiPlessey:
            return kMsiPlesseyCheckDigits;
    }
    return kPlainCheckDigits;
}

const TypeUse* typeUse(int typeIndex) {
    if (typeIndex < 0 || typeIndex >= kBarcodeTypeCount) return nullptr;
    return &kTypeUses[typeIndex];
}

}  // namespace vx::barcode
