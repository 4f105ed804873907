// The 1D barcode types as zint symbologies, their sample data and the
// record's geometry.
#include <zint.h>

#include <array>

#include "preview/check_digits.h"
#include "preview/symbol_layout.h"
#include "preview/symbol_preview.h"

namespace vx {

namespace {

// How a type's check digit is composed into its data.
enum class Check { NotUsed, Modulo10, Modulo43, Msi, EanUpc, UpcE };
enum class Family { Elements, Modules, EanUpc, DataBar, Customer };

struct BarcodeKind {
    int symbology;
    Family family;
    Check check;
    const char* body;    // sample data without check digit
    const char* addOn;   // EAN/UPC add-on of the sample
    int firstGap = 0, gapPeriod = 0;  // element-width types with character gaps
    std::array<std::pair<int, int>, 3> guards{};  // EAN/UPC guard bar columns
};

// Indexed like the barcode type table.
const std::array<BarcodeKind, kBarcodeTypeCount> kKinds = {{
    {BARCODE_CODABAR, Family::Elements, Check::NotUsed, "1234567", "", 7, 8},
    {BARCODE_C25IND, Family::Elements, Check::Modulo10, "1234567", "", 5, 10},
    {BARCODE_CODE128, Family::Modules, Check::NotUsed, "ZEL-Vextora-128", ""},
    {BARCODE_CODE39, Family::Elements, Check::Modulo43, "ZEL-0123", "", 9, 10},
    {BARCODE_EXCODE39, Family::Elements, Check::Modulo43, "ZEL-0123", "", 9, 10},
    {BARCODE_CODE93, Family::Modules, Check::NotUsed, "ZEL-0123", ""},
    {BARCODE_DBAR_OMN, Family::DataBar, Check::NotUsed, "0950110153000", ""},
    {BARCODE_C25INTER, Family::Elements, Check::Modulo10, "1234567", ""},
    {BARCODE_EANX, Family::EanUpc, Check::EanUpc, "490123456789", "", 0, 0, {{{0, 3}, {45, 50}, {92, 95}}}},
    {BARCODE_EANX, Family::EanUpc, Check::EanUpc, "490123456789", "+12", 0, 0, {{{0, 3}, {45, 50}, {92, 95}}}},
    {BARCODE_EANX, Family::EanUpc, Check::EanUpc, "490123456789", "+12345", 0, 0, {{{0, 3}, {45, 50}, {92, 95}}}},
    {BARCODE_EANX, Family::EanUpc, Check::EanUpc, "4901234", "", 0, 0, {{{0, 3}, {31, 36}, {64, 67}}}},
    {BARCODE_EANX, Family::EanUpc, Check::EanUpc, "4901234", "+12", 0, 0, {{{0, 3}, {31, 36}, {64, 67}}}},
    {BARCODE_EANX, Family::EanUpc, Check::EanUpc, "4901234", "+12345", 0, 0, {{{0, 3}, {31, 36}, {64, 67}}}},
    {BARCODE_MSI_PLESSEY, Family::Elements, Check::Msi, "1234567", ""},
    {BARCODE_GS1_128, Family::Modules, Check::NotUsed, "[01]0950110153000?[10]ABC123", ""},
    {BARCODE_UPCA, Family::EanUpc, Check::EanUpc, "04901234567", "", 0, 0, {{{0, 10}, {45, 50}, {85, 95}}}},
    {BARCODE_UPCA, Family::EanUpc, Check::EanUpc, "04901234567", "+12", 0, 0, {{{0, 10}, {45, 50}, {85, 95}}}},
    {BARCODE_UPCA, Family::EanUpc, Check::EanUpc, "04901234567", "+12345", 0, 0, {{{0, 10}, {45, 50}, {85, 95}}}},
    {BARCODE_UPCE, Family::EanUpc, Check::UpcE, "0123456", "", 0, 0, {{{0, 3}, {45, 51}, {0, 0}}}},
    {BARCODE_UPCE, Family::EanUpc, Check::UpcE, "0123456", "+12", 0, 0, {{{0, 3}, {45, 51}, {0, 0}}}},
    {BARCODE_UPCE, Family::EanUpc, Check::UpcE, "0123456", "+12345", 0, 0, {{{0, 3}, {45, 51}, {0, 0}}}},
    {BARCODE_JAPANPOST, Family::Customer, Check::NotUsed, "15400233-16-4-205", ""},
}};

// GS1 DataBar versions "1" to "6".
constexpr int kDataBarSymbologies[] = {BARCODE_DBAR_OMN, BARCODE_DBAR_STK, BARCODE_DBAR_OMNSTK,
                                       BARCODE_DBAR_LTD, BARCODE_DBAR_EXP, BARCODE_DBAR_EXPSTK};

const BarcodeKind& kindOf(const BarcodeRecord& record) {
    const int index = record.typeIndex;
    return kKinds[index >= 0 && index < kBarcodeTypeCount ? index : 2];
}

int dataBarSymbology(const BarcodeRecord& record) {
    const int version = leadingInteger(record.rssVersion);
    return kDataBarSymbologies[version >= 1 && version <= 6 ? version - 1 : 0];
}

bool isExpanded(int symbology) {
    return symbology == BARCODE_DBAR_EXP || symbology == BARCODE_DBAR_EXPSTK;
}

// The check digit the data carries itself: with "check" (the printer
// verifies it) and, for EAN/UPC, with "none" too, as that symbology
// always has one.
bool dataCarriesCheck(const BarcodeKind& kind, const std::string& code) {
    if (kind.check == Check::EanUpc || kind.check == Check::UpcE) return code != "3" && code != "4";
    return code == "2";
}

std::string withCheck(const BarcodeKind& kind, std::string body) {
    switch (kind.check) {
        case Check::Modulo10:
        case Check::EanUpc: return body + gs1CheckDigit(body);
        case Check::Modulo43: return body + code39CheckCharacter(body);
        case Check::Msi: return body + msiCheckDigit(body);
        case Check::UpcE: return body + gs1CheckDigit(upcEToUpcA(body));
        case Check::NotUsed: break;
    }
    return body;
}

bool isCodabarStartStop(char c) { return c >= 'A' && c <= 'D'; }

// Codabar's start and stop characters are part of its data; those the
// record has the printer add are added here.
std::string withCodabarStartStop(std::string data, const std::string& startStop) {
    const bool addStart = startStop != "P" && startStop != "N";
    const bool addStop = startStop != "T" && startStop != "N";
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
    const BarcodeKind& kind = kindOf(record);
    if (kind.family == Family::DataBar && isExpanded(dataBarSymbology(record))) {
        return "[01]09501101530003[10]ABC123";
    }
    std::string body = kind.body;
    if (const auto mark = body.find('?'); mark != std::string::npos) {
        body[mark] = gs1CheckDigit(body.substr(mark - 13, 13));
    }
    if (kind.check != Check::NotUsed && dataCarriesCheck(kind, record.checkDigit)) {
        body = withCheck(kind, body);
    }
    if (kind.symbology == BARCODE_CODABAR) {
        if (record.startStop == "T" || record.startStop == "N") body += "B";
        if (record.startStop == "P" || record.startStop == "N") body.insert(0, "A");
    }
    return body + kind.addOn;
}

SymbolPlan barcodePlan(const BarcodeRecord& record, const std::string& data, double dpi) {
    const BarcodeKind& kind = kindOf(record);
    SymbolPlan plan;
    EncodeRequest& request = plan.request;
    request.symbology = kind.symbology;
    request.data = data;
    plan.barHeightDots = dotsOfTenthsMm(record.height, dpi);
    plan.moduleDots = atLeastOne(leadingInteger(record.moduleWidth));
    plan.humanReadable = record.humanReadable == "1" && kind.family != Family::DataBar &&
                         kind.family != Family::Customer;

    switch (kind.family) {
        case Family::Elements:
            plan.shape = SymbolShape::ElementWidths;
            plan.elements = {atLeastOne(leadingInteger(record.narrowBar)),
                             atLeastOne(leadingInteger(record.wideBar)),
                             atLeastOne(leadingInteger(record.narrowSpace)),
                             atLeastOne(leadingInteger(record.wideSpace)),
                             atLeastOne(leadingInteger(record.charGap)), kind.firstGap, kind.gapPeriod};
            break;
        case Family::EanUpc:
            for (auto range : kind.guards) {
                if (range.second > range.first) plan.guardColumns.push_back(range);
            }
            plan.guardDots = record.guardBarLength == kDefault
                                 ? 5 * plan.moduleDots
                                 : dotsOfTenthsMm(record.guardBarLength, dpi);
            break;
        case Family::DataBar:
            request.symbology = dataBarSymbology(record);
            request.gs1Data = isExpanded(request.symbology);
            break;
        case Family::Modules:
            request.gs1Data = kind.symbology == BARCODE_GS1_128;
            if (kind.symbology == BARCODE_CODE128 && record.autoSwitch == "A") {
                request.symbology = BARCODE_CODE128B;  // one code set throughout
            }
            break;
        case Family::Customer: break;
    }

    if (kind.check != Check::NotUsed && kind.check != Check::EanUpc && kind.check != Check::UpcE) {
        if (record.checkDigit == "3") request.option2 = 1;
        if (record.checkDigit == "4") request.option2 = kind.check == Check::Msi ? 2 : 1;
    }
    if (kind.check == Check::EanUpc && record.checkDigit == "4") {
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
    if (kind.family == Family::EanUpc && std::string(kind.addOn).size() > 0) {
        plan.notes.push_back("アドオンのバーは本体と同じ高さで表示します。");
    }
    return plan;
}

}  // namespace vx
