// The coded lists of the 1D barcode page, and the check-digit entries that
// each barcode type offers.
#pragma once

#include <string_view>

#include "pages/coded_list.h"
#include "settings/barcode_types.h"
#include "settings/field_codes.h"

namespace vx::barcode {

// "バー下付き文字", "スタート／ストップコード", "RSSバージョン", "自動切り替え".
extern const CodedList kHumanReadables;
extern const CodedList kStartStops;
extern const CodedList kRssVersions;
extern const CodedList kAutoSwitches;

// "チェックデジット": three variants built from the same entries. Each shows
// "付加なし" for an unknown code; an unknown text stores nothing (the record
// keeps its code).
enum class CheckDigits {
    Plain,  // "付加なし", "チェックデジットチェック", "チェックデジット自動付加"
    WithPrice,  // the same and "チェックデジット自動付加+プライスC/D4桁" (code "4")
    MsiPlessey,  // "付加なし", "チェックデジットチェック", "…自動付加(1)", "…自動付加(2)"
};
const CodedList& checkDigitList(CheckDigits variant);
// Every check-digit entry of every variant, for storing a shown text.
extern const CodedList kAllCheckDigits;
inline constexpr std::string_view kPriceCheckDigitText = codes::kPriceCheckDigitText;
// The code that only WithPrice and MsiPlessey offer, and what it becomes
// under any other type.
inline constexpr std::string_view kFourthCheckDigitCode = codes::kFourthCheckDigit;
inline constexpr std::string_view kAutoCheckDigitCode = codes::kAutoCheckDigit;

// The check-digit entries that a type offers, as its entry of the field
// catalogue gives them.
CheckDigits checkDigitsOf(BarcodeType type);

}  // namespace vx::barcode
