#include "app/preview_content.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "preview/symbol_layout.h"
#include "settings/codepage.h"
#include "settings/font_names.h"

namespace vx {

namespace {

std::string mm(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string printerLine(const PreviewPrinter& printer, double dpi) {
    const std::string dots = std::to_string(static_cast<int>(dpi)) + " dpi";
    if (printer.name.empty()) {
        return "プリンタが選ばれていません：" + dots + "、ラベルの枠なしで表示します。";
    }
    if (!printer.resolution || *printer.resolution <= 0) {
        return "プリンタ：" + printer.name + "（解像度が読めないため " + dots + " で表示します）";
    }
    return "プリンタ：" + printer.name + "（" + dots + "）";
}

std::string labelLine(const PreviewPrinter& printer) {
    if (printer.name.empty()) return {};
    if (!printer.label) return "ラベル：プリンタの設定に大きさがないため、枠なしで表示します。";
    return "ラベル：幅 " + mm(printer.label->widthMm) + " mm × 長さ " +
           mm(printer.label->heightMm) + " mm（枠で表示）";
}

std::string dots(double value) { return std::to_string(static_cast<int>(std::lround(value))); }

// A character font's cell, and the face that stands in for its glyphs.
void characterLines(const SymbolPreview& text, const PreviewContent& content,
                    std::vector<std::string>& lines) {
    const CharacterCell& cell = *text.cell;
    lines.push_back("文字の大きさ：全角 " + dots(cell.width) + " × " + dots(cell.height) +
                    " ドット（" + mm(mmFromDots(cell.width, content.dpi)) + " × " +
                    mm(mmFromDots(cell.height, content.dpi)) + " mm）、半角 " +
                    dots(cell.width / 2) + " × " + dots(cell.height) + " ドット");
    std::string face = "書体：";
    if (content.face.empty()) {
        face += "代わりの書体が見つからないため、既定の書体で表示します。";
    } else {
        if (!content.faceOfOwnDesign) face += "OCR の書体がないため、等幅の書体 ";
        face += content.face + " で代用して表示します。";
    }
    lines.push_back(face + "字形は代用の書体のもので、プリンタの字形とは異なります。");
}

std::string placementLine(const SymbolPreview& symbol) {
    if (!symbol.originXMm || !symbol.originYMm) {
        return "原点は「自動」：プリンタドライバが決めます。ラベルの左上に置いて表示します。";
    }
    return "原点：X " + mm(*symbol.originXMm) + " mm, Y " + mm(*symbol.originYMm) + " mm";
}

std::string typeTitle(const PreviewSubject& subject) {
    if (const auto* barcode = std::get_if<BarcodeRecord>(&subject.record)) {
        return utf8FromCp932(barcodeFontName(subject.font)) + "：" +
               utf8FromCp932(barcodeTypeName(barcode->typeIndex));
    }
    if (const auto* code = std::get_if<Code2DRecord>(&subject.record)) {
        return utf8FromCp932(code2DFontName(subject.font)) + "：" +
               utf8FromCp932(code2DTypeName(code->typeIndex));
    }
    const auto& font = std::get<CharacterFontRecord>(subject.record);
    return utf8FromCp932(characterFontName(subject.font)) + "：" +
           utf8FromCp932(characterTypeName(font.typeIndex));
}

// The installed family of the face; without a lookup, the first.
void chooseFace(const GlyphFace& face, const FaceLookup& installed, PreviewContent& content) {
    const std::optional<std::size_t> found =
        installed ? installedFamily(face, installed)
                  : (face.families.empty() ? std::nullopt : std::optional<std::size_t>(0));
    if (!found) return;
    content.face = face.families[*found];
    content.faceOfOwnDesign = *found < face.ownDesign;
}

}  // namespace

PreviewContent previewContent(const PreviewSubject& subject, const PreviewPrinter& printer,
                              const std::optional<std::string>& data, const FaceLookup& installed) {
    PreviewContent content;
    content.title = typeTitle(subject);
    if (printer.resolution && *printer.resolution > 0) content.dpi = *printer.resolution;
    if (!printer.name.empty()) content.label = printer.label;
    content.lines.push_back(printerLine(printer, content.dpi));
    if (std::string line = labelLine(printer); !line.empty()) content.lines.push_back(line);

    PreviewSettings settings{content.dpi, data, content.label};
    if (const auto* barcode = std::get_if<BarcodeRecord>(&subject.record)) {
        content.symbol = previewBarcode(*barcode, settings);
    } else if (const auto* code = std::get_if<Code2DRecord>(&subject.record)) {
        content.symbol = previewCode2D(*code, settings);
    } else {
        content.symbol =
            previewCharacterFont(std::get<CharacterFontRecord>(subject.record), settings);
        chooseFace(content.symbol->geometry.face, installed, content);
    }

    const SymbolPreview& symbol = *content.symbol;
    const bool text = symbol.cell.has_value();
    if (!symbol.error.empty()) {
        content.warning =
            (text ? "このデータは印字できません：" : "このデータはエンコードできません：") +
            symbol.error;
        return content;
    }
    content.lines.push_back((text ? "文字列の大きさ：幅 " : "シンボルの大きさ：幅 ") +
                            mm(symbol.widthMm) + " mm × 高さ " + mm(symbol.heightMm) + " mm");
    if (text) characterLines(symbol, content, content.lines);
    content.lines.push_back(placementLine(symbol));
    if (symbol.rotationAutomatic) {
        content.lines.push_back(
            std::string("回転は「自動」：プリンタドライバが決めます。") +
            (text ? "文字回転 0°、文字列回転 0° で表示します。" : "0°で表示します。"));
    }
    content.lines.insert(content.lines.end(), symbol.notes.begin(), symbol.notes.end());
    if (symbol.leavesLabel) {
        content.warning = text ? "警告：文字がラベルからはみ出します。"
                               : "警告：シンボルがラベルからはみ出します。";
    }
    content.symbolRightMm = symbol.originXMm.value_or(0) + symbol.widthMm;
    content.symbolBottomMm = symbol.originYMm.value_or(0) + symbol.heightMm;
    return content;
}

PreviewContent PreviewSession::update(const PreviewSubject& subject, const PreviewPrinter& printer,
                                      bool& dataReplaced) {
    int type = -1;
    if (const auto* barcode = std::get_if<BarcodeRecord>(&subject.record))
        type = barcode->typeIndex;
    if (const auto* code = std::get_if<Code2DRecord>(&subject.record)) type = code->typeIndex;
    if (const auto* font = std::get_if<CharacterFontRecord>(&subject.record))
        type = font->typeIndex;
    const Key key{subject.page, subject.font, type};
    dataReplaced = shown_ != key;
    if (dataReplaced) data_.reset();
    shown_ = key;
    PreviewContent content = previewContent(subject, printer, data_, installed_);
    if (dataReplaced) {
        data_ = content.symbol ? std::optional<std::string>(content.symbol->data) : std::nullopt;
    }
    return content;
}

}  // namespace vx
