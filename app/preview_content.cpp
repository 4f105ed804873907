#include "app/preview_content.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "settings/codepage.h"

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
    return utf8FromCp932(characterFontName(subject.font));
}

}  // namespace

PreviewContent previewContent(const PreviewSubject& subject, const PreviewPrinter& printer,
                              const std::optional<std::string>& data) {
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
        content.warning =
            "プレビューは内蔵１次元コードと内蔵２次元コードのフォントを表示します。"
            "内蔵フォント（文字）のページでは表示するものがありません。";
    }
    if (!content.symbol) return content;

    const SymbolPreview& symbol = *content.symbol;
    if (!symbol.error.empty()) {
        content.warning = "このデータはエンコードできません：" + symbol.error;
        return content;
    }
    content.lines.push_back("シンボルの大きさ：幅 " + mm(symbol.widthMm) + " mm × 高さ " +
                            mm(symbol.heightMm) + " mm");
    content.lines.push_back(placementLine(symbol));
    if (symbol.rotationAutomatic) {
        content.lines.push_back("回転は「自動」：プリンタドライバが決めます。0°で表示します。");
    }
    content.lines.insert(content.lines.end(), symbol.notes.begin(), symbol.notes.end());
    if (symbol.leavesLabel) content.warning = "警告：シンボルがラベルからはみ出します。";
    content.symbolRightMm = symbol.originXMm.value_or(0) + symbol.widthMm;
    content.symbolBottomMm = symbol.originYMm.value_or(0) + symbol.heightMm;
    return content;
}

PreviewScale previewScale(const PreviewContent& content, int canvasWidth, int canvasHeight,
                          int screenDpi) {
    PreviewScale scale;
    scale.pixelsPerMm = screenDpi / 25.4;
    if (canvasWidth <= 0 || canvasHeight <= 0) return scale;
    const double width = content.symbolRightMm * scale.pixelsPerMm;
    const double height = content.symbolBottomMm * scale.pixelsPerMm;
    const double fit =
        std::min(width > 0 ? canvasWidth / width : 1.0, height > 0 ? canvasHeight / height : 1.0);
    if (fit < 1) {
        scale.pixelsPerMm *= fit;
        // Rounded down, so that the percentage never promises more than is drawn.
        scale.percent = std::max(1, static_cast<int>(std::floor(fit * 100)));
    }
    if (content.label) {
        // A pixel's rounding is no cut.
        scale.labelCut = content.label->widthMm * scale.pixelsPerMm > canvasWidth + 1 ||
                         content.label->heightMm * scale.pixelsPerMm > canvasHeight + 1;
    }
    return scale;
}

std::string scaleLine(const PreviewScale& scale) {
    std::string line =
        scale.percent >= 100
            ? std::string("実寸で表示しています。")
            : "画面に収まるよう実寸の " + std::to_string(scale.percent) + "% で表示しています。";
    if (scale.labelCut) line += "ラベルは左上の部分だけを表示しています。";
    return line;
}

PreviewContent PreviewSession::update(const PreviewSubject& subject, const PreviewPrinter& printer,
                                      bool& dataReplaced) {
    int type = -1;
    if (const auto* barcode = std::get_if<BarcodeRecord>(&subject.record))
        type = barcode->typeIndex;
    if (const auto* code = std::get_if<Code2DRecord>(&subject.record)) type = code->typeIndex;
    const Key key{subject.page, subject.font, type};
    dataReplaced = shown_ != key;
    if (dataReplaced) data_.reset();
    shown_ = key;
    PreviewContent content = previewContent(subject, printer, data_);
    if (dataReplaced) {
        data_ = content.symbol ? std::optional<std::string>(content.symbol->data) : std::nullopt;
    }
    return content;
}

}  // namespace vx
