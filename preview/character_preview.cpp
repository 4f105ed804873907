// A character font's text in its cells, as the printer lays it out; the
// glyphs themselves come from a typeface that stands in for the printer's.
#include <cstdio>

#include "preview/symbol_layout.h"
#include "preview/symbol_preview.h"
#include "preview/text_layout.h"
#include "settings/codepage.h"
#include "settings/field_codes.h"
#include "settings/font_names.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

const CharacterTypeFacts& factsOf(const CharacterFontRecord& record) {
    const CharacterTypeFacts* facts = characterTypeFacts(record.typeIndex);
    return facts != nullptr ? *facts : *characterTypeFacts(0);
}

std::string tenthsMm(double tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10.0);
    return text;
}

// What the printer does to the data that the picture does not show.
std::vector<std::string> printerAppliedNotes(const CharacterFontRecord& record) {
    std::vector<std::string> notes;
    if (record.zeroSuppress == codes::kZeroSuppress) {
        notes.push_back("ゼロサプレス（" +
                        std::to_string(leadingInteger(record.zeroSuppressDigits)) +
                        " 桁）はプリンタがデータに適用します。この図には含まれません。");
    }
    if (record.checkDigit == codes::kCharacterCheckDigit) {
        const char* mode = record.checkDigitMode == "1" ? "モジュラス43" : "モジュラス10";
        notes.push_back(std::string("チェックデジット（") + mode +
                        "）はプリンタがデータに付けます。この図には含まれません。");
    }
    return notes;
}

std::vector<std::string> layoutNotes(const TextPlan& plan, const TextLayout& layout,
                                     double dpi) {
    std::vector<std::string> notes;
    if (plan.sizeAutomatic) {
        notes.push_back("文字の幅または高さは「自動」：プリンタドライバが決めます。" +
                        tenthsMm(kAutomaticSizeTenthsMm) + " mm で表示します。");
    }
    if (plan.decoration == TextDecoration::Framed || plan.decoration == TextDecoration::Struck) {
        notes.push_back("枠と取り消し線は線幅 " +
                        std::to_string(static_cast<int>(kDecorationLineDots)) +
                        " ドットで表示します。");
    }
    if (plan.alignment != TextAlignment::None && plan.areaAutomatic) {
        notes.push_back(
            "文字寄せエリアの幅は「自動」：プリンタドライバが決めます。文字列の幅で表示します。");
    }
    if (layout.widerThanArea) {
        // The width the layout took, as the printer's whole dots.
        notes.push_back("文字列が文字寄せエリア（幅 " +
                        tenthsMm(mmFromDots(plan.areaWidth, dpi) * 10) + " mm）に収まりません。");
    }
    if (layout.charactersLeftOut > 0) {
        notes.push_back("自動改行：" + std::to_string(plan.areaLines) + " 行に入りきらない " +
                        std::to_string(layout.charactersLeftOut) + " 文字は表示していません。");
    }
    return notes;
}

}  // namespace

std::string sampleCharacterData(const CharacterFontRecord& record) {
    return std::string(factsOf(record).sample);
}

SymbolPreview previewCharacterFont(const CharacterFontRecord& record,
                                   const PreviewSettings& settings) {
    const std::string typeName = utf8FromCp932(characterTypeName(record.typeIndex));
    SymbolPreview preview;
    preview.data = settings.data.value_or(sampleCharacterData(record));
    const TextData data = textData(preview.data, factsOf(record).repertoire, typeName);
    const TextPlan plan = textPlan(record, settings.dpi);
    preview.rotationAutomatic = plan.rotationAutomatic;
    preview.quarterTurns = plan.lineTurns;
    preview.cell = CharacterCell{plan.cellWidth, plan.cellHeight};
    const std::vector<std::string> applied = printerAppliedNotes(record);
    preview.svgTitle = utf8FromCp932(record.fontName) + "：" + typeName;
    for (const std::string& note : applied) preview.svgTitle += " " + note;
    if (!data.error.empty()) {
        preview.error = data.error;
        return preview;
    }
    const TextLayout layout = layOutText(plan, data.characters);
    preview.geometry = layout.geometry;
    preview.notes = layoutNotes(plan, layout, settings.dpi);
    preview.notes.insert(preview.notes.end(), applied.begin(), applied.end());
    placeOnLabel(preview, record.originX, record.originY, settings);
    return preview;
}

}  // namespace vx
