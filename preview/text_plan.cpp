#include "preview/text_plan.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "preview/symbol_layout.h"
#include "settings/codepage.h"
#include "settings/field_codes.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

// Magnification codes "05" to "95" in tenths; anything else is 1.0, as the
// page shows it.
double magnification(const std::string& code) {
    const bool digits = code.size() == 2 && std::isdigit(static_cast<unsigned char>(code[0])) &&
                        std::isdigit(static_cast<unsigned char>(code[1]));
    const int tenths = digits ? leadingInteger(code) : 0;
    return tenths >= 5 && tenths <= 95 && tenths % 5 == 0 ? tenths / 10.0 : 1.0;
}

// A length in 0.1 mm as whole printer dots.
double dotsOfTenths(int tenths, double dpi) { return wholeDots(tenths / 10.0, dpi); }

void planCells(const CharacterFontRecord& record, const CharacterTypeFacts& facts, double dpi,
               TextPlan& plan) {
    if (facts.sizing == CellSizing::TenthsMm) {
        auto side = [&](const std::string& value) {
            if (value == kDefault) plan.sizeAutomatic = true;
            const int tenths = value == kDefault ? kAutomaticSizeTenthsMm : leadingInteger(value);
            return dotsOfTenths(std::max(tenths, 1), dpi);
        };
        plan.cellWidth = side(record.sizeX);
        plan.cellHeight = side(record.sizeY);
        return;
    }
    // A point is 1/72 inch; the printer's cells are whole dots.
    const double base =
        facts.sizing == CellSizing::Points ? std::round(facts.size * dpi / 72.0) : facts.size;
    plan.cellWidth = base * magnification(record.sizeX);
    plan.cellHeight = base * magnification(record.sizeY);
}

void planRotation(const std::string& code, TextPlan& plan) {
    const bool valid =
        code.size() == 2 && code[0] >= '0' && code[0] <= '3' && code[1] >= '0' && code[1] <= '3';
    plan.rotationAutomatic = !valid;
    if (!valid) return;
    plan.characterTurns = code[0] - '0';
    plan.lineTurns = code[1] - '0';
}

// Two digits of the decoration's parameters from `at`; none gives 0.
double paramAt(const std::string& params, std::size_t at) {
    return at < params.size() ? std::max(leadingInteger(params.substr(at, 2)), 0) : 0;
}

void planDecoration(const CharacterFontRecord& record, TextPlan& plan) {
    const std::string& params = record.decorationParams;
    if (record.decoration == codes::kReversed || record.decoration == codes::kFramed) {
        plan.decoration = record.decoration == codes::kReversed ? TextDecoration::Reversed
                                                                : TextDecoration::Framed;
        plan.decorationX = paramAt(params, 0);
        plan.decorationY = paramAt(params, 2);
    } else if (record.decoration == codes::kStruck) {
        plan.decoration = TextDecoration::Struck;
        plan.strikeEnd = paramAt(params, 0);
    }
}

void planAlignment(const CharacterFontRecord& record, double dpi, TextPlan& plan) {
    if (record.alignment != codes::kAlignment) return;
    constexpr TextAlignment kModes[] = {TextAlignment::Left, TextAlignment::Centre,
                                        TextAlignment::Right, TextAlignment::Justified,
                                        TextAlignment::LineBreaks};
    const std::string& mode = record.alignmentMode;
    if (mode.size() != 1 || mode[0] < '1' || mode[0] > '5') return;
    plan.alignment = kModes[mode[0] - '1'];
    // "default" lines as the page shows them: 1.0 mm apart, one line. A
    // "default" width is the text's, which the layout measures.
    auto orDefault = [](const std::string& value, int fallback) {
        return value == kDefault ? fallback : leadingInteger(value);
    };
    plan.areaAutomatic = record.areaWidth == kDefault;
    plan.areaWidth =
        plan.areaAutomatic ? 0 : dotsOfTenths(std::max(leadingInteger(record.areaWidth), 1), dpi);
    plan.lineFeed = dotsOfTenths(std::max(orDefault(record.lineFeed, 10), 1), dpi);
    plan.areaLines = std::max(orDefault(record.areaLines, 1), 1);
}

}  // namespace

GlyphFace glyphFace(const CharacterTypeFacts& facts) {
    // Faces of the design first: the free IPA faces where installed, then
    // those of Windows and others, as each names itself in either language.
    static const std::vector<std::string> mincho = {"IPA明朝",          "IPAMincho", "ＭＳ 明朝",
                                                    "MS Mincho",        "游明朝",    "Yu Mincho",
                                                    "Noto Serif CJK JP"};
    static const std::vector<std::string> gothic = {
        "IPAゴシック", "IPAGothic", "ＭＳ ゴシック",   "MS Gothic",
        "游ゴシック",  "Yu Gothic", "Noto Sans CJK JP"};
    static const std::vector<std::string> ocrA = {"OCR A Extended", "OCR-A", "OCR A Std", "OCRA"};
    static const std::vector<std::string> ocrB = {"OCR B", "OCR-B", "OCRB", "OCR B Std",
                                                  "OCR-B 10 BT"};
    // Monospaced faces stand in where no OCR face is installed.
    static const std::vector<std::string> monospaced = {
        "Courier New", "ＭＳ ゴシック",   "MS Gothic",       "IPAゴシック",
        "IPAGothic",   "Liberation Mono", "DejaVu Sans Mono"};
    GlyphFace face;
    face.bold = facts.bold;
    face.italic = facts.italic;
    switch (facts.design) {
        case FaceDesign::Mincho:
            face.families = mincho, face.generic = "serif";
            break;
        case FaceDesign::Gothic:
            face.families = gothic, face.generic = "sans-serif";
            break;
        case FaceDesign::OcrA:
        case FaceDesign::OcrB:
            face.families = facts.design == FaceDesign::OcrA ? ocrA : ocrB;
            face.generic = "monospace";
            break;
    }
    face.ownDesign = face.families.size();
    if (face.generic == "monospace") {
        face.families.insert(face.families.end(), monospaced.begin(), monospaced.end());
    }
    return face;
}

std::optional<std::size_t> installedFamily(const GlyphFace& face, const FaceLookup& installed) {
    for (std::size_t i = 0; i < face.families.size(); ++i) {
        if (installed(face.families[i])) return i;
    }
    return std::nullopt;
}

TextPlan textPlan(const CharacterFontRecord& record, double dpi) {
    const CharacterTypeFacts* facts = characterTypeFacts(record.typeIndex);
    if (facts == nullptr) facts = characterTypeFacts(0);
    TextPlan plan;
    planCells(record, *facts, dpi, plan);
    const int spacing = std::max(leadingInteger(record.spacing), 0);
    if (record.spacingAdjust == "+") plan.spacing = spacing;
    if (record.spacingAdjust == "-") plan.spacing = -spacing;
    planRotation(record.rotation, plan);
    planDecoration(record, plan);
    // Only bitmap fonts are emphasised.
    if (facts->sizing != CellSizing::TenthsMm && record.emphasis == codes::kEmphasis) {
        plan.emphasis = true;
        plan.shiftX = std::max(leadingInteger(record.shiftX), 0);
        plan.shiftY = std::max(leadingInteger(record.shiftY), 0);
    }
    planAlignment(record, dpi, plan);
    plan.face = glyphFace(*facts);
    return plan;
}

TextData textData(std::string_view data, Repertoire repertoire, std::string_view typeName) {
    TextData out;
    auto refuse = [&](std::string why) {
        out.characters.clear();
        out.error = std::move(why);
        return out;
    };
    if (data.empty()) return refuse("印字するデータがありません。");
    for (std::size_t at = 0; at < data.size();) {
        const auto lead = static_cast<unsigned char>(data[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string character(data.substr(at, length));
        at += length;
        // The yen sign is the backslash's place in the file's code page.
        const std::optional<std::string> bytes = cp932FromUtf8(character == "¥" ? "\\" : character);
        if (!bytes || bytes->empty()) {
            return refuse("「" + character +
                          "」はプリンタの文字コード（シフトJIS）にない文字です。");
        }
        const auto first = static_cast<unsigned char>((*bytes)[0]);
        const bool halfWidth = bytes->size() == 1;
        if (halfWidth && (first < 0x20 || first == 0x7F)) {
            return refuse("制御文字は印字できません。");
        }
        const bool ascii = halfWidth && first < 0x80;
        const bool allowed =
            repertoire == Repertoire::Any || (repertoire == Repertoire::HalfWidth && halfWidth) ||
            (repertoire == Repertoire::Ascii && ascii) ||
            (repertoire == Repertoire::Price && ascii &&
             std::string_view("0123456789 ,.+-\\").find(static_cast<char>(first)) !=
                 std::string_view::npos);
        if (!allowed) {
            const char* what = repertoire == Repertoire::HalfWidth ? "半角の英数字・記号・カナ"
                               : repertoire == Repertoire::Ascii ? "半角の英数字と記号"
                                                                 : "数字と , . + - ￥ と空白";
            return refuse("「" + character + "」は" + std::string(typeName) +
                          "では印字できません（" + what + "だけを印字します）。");
        }
        out.characters.push_back({character, halfWidth});
    }
    return out;
}

}  // namespace vx
