// The 1D barcode types as zint symbologies, their sample data and the
// record's geometry.
#include <zint.h>

#include <algorithm>
#include <array>

#include "preview/check_digits.h"
#include "preview/symbol_layout.h"
#include "preview/symbol_preview.h"
#include "settings/field_codes.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

using Guards = std::array<std::pair<int, int>, 3>;  // EAN/UPC guard bar columns
constexpr Guards kEan13Guards = {{{0, 3}, {45, 50}, {92, 95}}};
constexpr Guards kEan8Guards = {{{0, 3}, {31, 36}, {64, 67}}};
constexpr Guards kUpcAGuards = {{{0, 10}, {45, 50}, {85, 95}}};
constexpr Guards kUpcEGuards = {{{0, 3}, {45, 51}, {0, 0}}};

// A type as zint encodes it, and its sample data.
struct BarcodeKind {
    int symbology;
    const char* body;                 // sample data without check digit or add-on
    int firstGap = 0, gapPeriod = 0;  // element-width types with character gaps
    Guards guards{};
    // EAN and UPC: the digits before the add-on, without the check digit.
    std::size_t digits = 0;
};

// clang-format off
BarcodeKind kindOf(BarcodeType type) {
    using enum BarcodeType;
    switch (type) {
        case Codabar:         return {BARCODE_CODABAR, "1234567", 7, 8};
        case Code2of5:        return {BARCODE_C25IND, "1234567", 5, 10};
        case Code128:         return {BARCODE_CODE128, "ZEL-Vextora-128"};
        case Code39:          return {BARCODE_CODE39, "ZEL-0123", 9, 10};
        case Code39FullAscii: return {BARCODE_EXCODE39, "ZEL-0123", 9, 10};
        case Code93:          return {BARCODE_CODE93, "ZEL-0123"};
        case Gs1DataBar:      return {BARCODE_DBAR_OMN, "0950110153000"};
        case Itf:             return {BARCODE_C25INTER, "1234567"};
        case Jan13: case Jan13Plus2: case Jan13Plus5:
                              return {BARCODE_EANX, "490123456789", 0, 0, kEan13Guards, 12};
        case Jan8: case Jan8Plus2: case Jan8Plus5:
                              return {BARCODE_EANX, "4901234", 0, 0, kEan8Guards, 7};
        case MsiPlessey:      return {BARCODE_MSI_PLESSEY, "1234567"};
        case UccEan128:       return {BARCODE_GS1_128, "[01]0950110153000?[10]ABC123"};
        case UpcA: case UpcAPlus2: case UpcAPlus5:
                              return {BARCODE_UPCA, "04901234567", 0, 0, kUpcAGuards, 11};
        case UpcE: case UpcEPlus2: case UpcEPlus5:
                              return {BARCODE_UPCE, "0123456", 0, 0, kUpcEGuards, 7};
        case Customer:        return {BARCODE_JAPANPOST, "15400233-16-4-205"};
    }
    return {BARCODE_CODE128, ""};
}
// clang-format on

// A record's type; a type index outside the table is drawn as CODE128.
const BarcodeTypeRow& rowOf(const BarcodeRecord& record) {
    return barcodeTypeRow(barcodeTypeAt(record.typeIndex).value_or(BarcodeType::Code128));
}

// The sample add-on: its first digits of "12345".
std::string addOnSample(int digits) {
    return digits > 0 ? "+" + std::string("12345").substr(0, static_cast<std::size_t>(digits))
                      : std::string();
}

// GS1 DataBar versions "1" to "6", in the order of their list.
constexpr int kDataBarSymbologies[] = {BARCODE_DBAR_OMN, BARCODE_DBAR_STK, BARCODE_DBAR_OMNSTK,
                                       BARCODE_DBAR_LTD, BARCODE_DBAR_EXP, BARCODE_DBAR_EXPSTK};
static_assert(std::size(kDataBarSymbologies) == std::size(codes::kRssVersionEntries));

int dataBarSymbology(const BarcodeRecord& record) {
    const int version = leadingInteger(record.rssVersion);
    return kDataBarSymbologies[version >= 1 && version <= 6 ? version - 1 : 0];
}

bool isExpanded(int symbology) {
    return symbology == BARCODE_DBAR_EXP || symbology == BARCODE_DBAR_EXPSTK;
}

using enum CheckDigitScheme;

bool isEanUpc(CheckDigitScheme scheme) { return scheme == EanUpc || scheme == UpcE; }

// The check digit the data carries itself: with "check" (the printer
// verifies it) and, for EAN/UPC, with "none" too, as that symbology
// always has one.
bool dataCarriesCheck(CheckDigitScheme scheme, const std::string& code) {
    if (isEanUpc(scheme)) return code != codes::kAutoCheckDigit && code != codes::kFourthCheckDigit;
    return code == codes::kCheckOnly;
}

// The EAN/UPC symbology that takes the data with its check digit.
int withCheckDigitSymbology(int symbology) {
    switch (symbology) {
        case BARCODE_EANX:
            return BARCODE_EANX_CHK;
        case BARCODE_UPCA:
            return BARCODE_UPCA_CHK;
        case BARCODE_UPCE:
            return BARCODE_UPCE_CHK;
        default:
            return symbology;
    }
}

const char* eanName(const BarcodeKind& kind) {
    if (kind.symbology == BARCODE_UPCA) return "UPC-A";
    if (kind.symbology == BARCODE_UPCE) return "UPC-E";
    return kind.digits == 7 ? "JAN/EAN8" : "JAN/EAN13";
}

// EAN and UPC data with its check digit goes to zint as such (zint checks
// it), so that eight digits stay an EAN-8 and are not padded to an EAN-13.
// EAN digits of another count would make zint draw the other EAN, UPC
// digits fewer it would pad with zeros: refused.
void planEanDigits(const BarcodeKind& kind, const std::string& data, SymbolPlan& plan) {
    const std::size_t digits = std::min(data.find('+'), data.size());
    if (digits == 0 || data.find_first_not_of("0123456789") < digits) return;  // zint says why
    if (digits == kind.digits + 1) {
        plan.request.symbology = withCheckDigitSymbology(kind.symbology);
    } else if (digits != kind.digits) {
        plan.refusal = std::string(eanName(kind)) + " のデータは " + std::to_string(kind.digits) +
                       " 桁の数字です（チェックデジットを含めて " +
                       std::to_string(kind.digits + 1) + " 桁）。";
    }
}

std::string withCheck(CheckDigitScheme scheme, std::string body) {
    switch (scheme) {
        case Modulo10:
        case EanUpc:
            return body + gs1CheckDigit(body);
        case Modulo43:
            return body + code39CheckCharacter(body);
        case Msi:
            return body + msiCheckDigit(body);
        case UpcE:
            return body + gs1CheckDigit(upcEToUpcA(body));
        case None:
            break;
    }
    return body;
}

bool isCodabarStartStop(char c) { return c >= 'A' && c <= 'D'; }

// Codabar's start and stop characters are part of its data; those the
// record has the printer add are added here.
std::string withCodabarStartStop(std::string data, const std::string& startStop) {
    const bool addStart = startStop != codes::kStopOnly && startStop != codes::kNoStartStop;
    const bool addStop = startStop != codes::kStartOnly && startStop != codes::kNoStartStop;
    if (addStart && (data.empty() || !isCodabarStartStop(data.front()))) data.insert(0, "A");
    if (addStop && (data.size() < 2 || !isCodabarStartStop(data.back()))) data += "A";
    return data;
}

double dotsOfTenthsMm(const std::string& text, double dpi) {
    return wholeDots(leadingInteger(text) / 10.0, dpi);
}

double atLeastOne(int value) { return value < 1 ? 1.0 : value; }

}  // namespace

std::string sampleBarcodeData(const BarcodeRecord& record) {
    const BarcodeTypeRow& row = rowOf(record);
    const BarcodeKind kind = kindOf(row.type);
    if (row.type == BarcodeType::Gs1DataBar && isExpanded(dataBarSymbology(record))) {
        return "[01]09501101530003[10]ABC123";
    }
    std::string body = kind.body;
    if (const auto mark = body.find('?'); mark != std::string::npos) {
        body[mark] = gs1CheckDigit(body.substr(mark - 13, 13));
    }
    if (row.checkDigit != None && dataCarriesCheck(row.checkDigit, record.checkDigit)) {
        body = withCheck(row.checkDigit, body);
    }
    if (kind.symbology == BARCODE_CODABAR) {
        if (record.startStop == codes::kStartOnly || record.startStop == codes::kNoStartStop) {
            body += "B";
        }
        if (record.startStop == codes::kStopOnly || record.startStop == codes::kNoStartStop) {
            body.insert(0, "A");
        }
    }
    return body + addOnSample(row.addOnDigits);
}

SymbolPlan barcodePlan(const BarcodeRecord& record, const std::string& data, double dpi) {
    const BarcodeTypeRow& row = rowOf(record);
    const BarcodeKind kind = kindOf(row.type);
    const bool dataBar = row.type == BarcodeType::Gs1DataBar;
    SymbolPlan plan;
    EncodeRequest& request = plan.request;
    request.symbology = kind.symbology;
    request.data = data;
    plan.barHeightDots = dotsOfTenthsMm(record.height, dpi);
    plan.moduleDots = atLeastOne(leadingInteger(record.moduleWidth));
    plan.humanReadable =
        record.humanReadable == "1" && !dataBar && row.family != BarcodeFamily::Customer;

    switch (row.family) {
        case BarcodeFamily::ElementWidth:
            plan.shape = SymbolShape::ElementWidths;
            plan.elements = {atLeastOne(leadingInteger(record.narrowBar)),
                             atLeastOne(leadingInteger(record.wideBar)),
                             atLeastOne(leadingInteger(record.narrowSpace)),
                             atLeastOne(leadingInteger(record.wideSpace)),
                             atLeastOne(leadingInteger(record.charGap)),
                             kind.firstGap,
                             kind.gapPeriod};
            break;
        case BarcodeFamily::EanUpc:
            planEanDigits(kind, data, plan);
            for (auto range : kind.guards) {
                if (range.second > range.first) plan.guardColumns.push_back(range);
            }
            plan.guardDots = record.guardBarLength == kDefault
                                 ? 5 * plan.moduleDots
                                 : dotsOfTenthsMm(record.guardBarLength, dpi);
            break;
        case BarcodeFamily::Module:
            if (dataBar) {
                request.symbology = dataBarSymbology(record);
                request.gs1Data = isExpanded(request.symbology);
                break;
            }
            request.gs1Data = kind.symbology == BARCODE_GS1_128;
            if (kind.symbology == BARCODE_CODE128 && record.autoSwitch == "A") {
                request.symbology = BARCODE_CODE128B;  // one code set throughout
            }
            break;
        case BarcodeFamily::Customer:
            break;
    }

    if (row.checkDigit != None && !isEanUpc(row.checkDigit)) {
        if (record.checkDigit == codes::kAutoCheckDigit) request.option2 = 1;
        if (record.checkDigit == codes::kFourthCheckDigit)
            request.option2 = row.checkDigit == Msi ? 2 : 1;
    }
    if (row.checkDigit == EanUpc && record.checkDigit == codes::kFourthCheckDigit) {
        plan.notes.push_back("プライスC/D4桁はプレビューに反映されません。");
    }
    if (kind.symbology == BARCODE_CODABAR) {
        request.data = withCodabarStartStop(data, record.startStop);
    } else if ((kind.symbology == BARCODE_CODE39 || kind.symbology == BARCODE_EXCODE39 ||
                kind.symbology == BARCODE_MSI_PLESSEY) &&
               record.startStop != kDefault && !record.startStop.empty()) {
        plan.notes.push_back("スタート／ストップコードは常に付加して表示します。");
    }
    const int suppressed = leadingInteger(record.zeroSuppress);
    if (record.zeroSuppress != kDefault && suppressed > 0) {
        plan.notes.push_back("ゼロサプレスはプレビューに反映されません。");
    }
    if (row.addOnDigits > 0) {
        plan.notes.push_back("アドオンのバーは本体と同じ高さで表示します。");
    }
    return plan;
}

}  // namespace vx
