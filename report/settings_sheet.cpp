#include "report/settings_sheet.h"

#include <cstdio>
#include <string_view>

#include "preview/font_preview_of.h"
#include "preview/markup_text.h"
#include "preview/svg_writer.h"
#include "preview/symbol_layout.h"
#include "report/file_facts.h"
#include "report/sheet_fonts.h"
#include "report/sheet_style.h"
#include "vx_version.h"

namespace vx {

namespace {

// A text inside a CSS string: it can neither end the string nor the style.
std::string cssString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\' || c == '<' || byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%X ", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string millimetres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string orNone(const std::string& text) { return text.empty() ? "—" : markupText(text); }

std::string fontAnchor(const SheetFont& font) { return "font-" + std::to_string(font.number); }

// A value, and beside it the reference's where it differs.
std::string valueCell(const SheetField& field) {
    if (!field.reference) return markupText(field.shown);
    return "<span class=\"differs\">" + markupText(field.shown) + "</span> <span class=\"ref\">（" +
           markupText(*field.reference) + "）</span>";
}

// Every page printed names the printer and the day in its top margin.
std::string printHeader(const SheetRequest& request) {
    const std::string printer =
        request.printer.empty() ? request.file.path : "プリンタ： " + request.printer;
    return "@page { @top-left { content: " + cssString(printer) +
           "; font-size: 8pt; } @top-right { content: " +
           cssString("内蔵フォント設定一覧　" + request.madeAt.substr(0, 10)) +
           "; font-size: 8pt; } }\n";
}

void addHeadRow(std::string& html, std::string_view label, const std::string& cell,
                bool code = false) {
    html += "<tr><th>" + std::string(label) + "</th><td" + (code ? " class=\"code\"" : "") + ">" +
            cell + "</td></tr>\n";
}

std::string head(const SheetRequest& request) {
    const SheetFile& file = request.file;
    std::string html = "<table class=\"head\">\n";
    addHeadRow(html, "プリンタ", orNone(request.printer));
    addHeadRow(html, "プリンタドライバ", orNone(request.driver));
    addHeadRow(html, "設定ファイル", markupText(file.path), true);
    addHeadRow(html, "バージョン (Version)", orNone(file.version));
    addHeadRow(html, "サイズ", byteCountText(file.size));
    addHeadRow(html, "最終更新日時", orNone(file.modified));
    addHeadRow(html, "SHA-256", markupText(file.sha256), true);
    if (request.against) {
        addHeadRow(html, "比較した設定ファイル", markupText(request.against->path), true);
    }
    char dpi[32];
    std::snprintf(dpi, sizeof dpi, "%g dpi", request.dpi);
    addHeadRow(html, "図の解像度", dpi);
    addHeadRow(html, "ツールのバージョン", markupText(VX_VERSION_TEXT));
    addHeadRow(html, "作成日時", markupText(request.madeAt));
    return html + "</table>\n";
}

std::string notices(const SheetRequest& request, const std::vector<SheetFont>& fonts) {
    std::string html;
    if (request.unsavedFonts > 0) {
        html += "<p class=\"notice\">この一覧は、まだ保存していない変更（" +
                std::to_string(request.unsavedFonts) +
                " フォント）を含みます。設定ファイルの内容とは異なります。</p>\n";
    }
    if (request.against) {
        std::size_t differing = 0;
        for (const SheetFont& font : fonts) differing += font.differs ? 1 : 0;
        html += "<p class=\"summary\">";
        html += differing == 0
                    ? "比較した設定ファイルとの違いはありません。"
                    : "比較した設定ファイルと違うフォント： " + std::to_string(differing) + " / " +
                          std::to_string(fonts.size()) +
                          "（違う値の横の（　）内が比較した設定ファイルの値です）";
        html += "</p>\n";
    }
    return html;
}

std::string figureCell(const std::vector<const SheetField*>& fields, bool labelled) {
    std::string cell;
    for (const SheetField* field : fields) {
        if (!cell.empty()) cell += labelled ? "、" : ", ";
        if (labelled) cell += markupText(field->label) + " ";
        cell += valueCell(*field);
    }
    return cell.empty() ? "—" : cell;
}

std::string contents(const std::vector<SheetFont>& fonts, bool against) {
    std::string html =
        "<h2>目次</h2>\n<table class=\"contents\">\n<tr><th>No.</th><th>フォント名</th>"
        "<th>種別</th><th>基点 (X, Y)</th><th>大きさ</th><th>回転方向</th>";
    html += against ? "<th>比較</th></tr>\n" : "</tr>\n";
    for (const SheetFont& font : fonts) {
        const SheetFigures figures = sheetFigures(font);
        html += std::string("<tr") + (font.differs ? " class=\"differs\"" : "") +
                "><td class=\"num\">" + std::to_string(font.number) + "</td><td><a href=\"#" +
                fontAnchor(font) + "\">" + markupText(font.name) + "</a></td><td>" +
                markupText(font.type) + "</td><td>" + figureCell(figures.position, false) +
                "</td><td>" + figureCell(figures.size, true) + "</td><td>" +
                figureCell(figures.rotation, false) + "</td>";
        if (against) html += font.differs ? "<td>違いあり</td>" : "<td>同じ</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

// The font's picture as `dvftool preview` draws it, at true size.
std::string picture(const SettingsStore& settings, const SheetFont& font, double dpi) {
    PreviewSettings previewSettings;
    previewSettings.dpi = dpi;
    const SymbolPreview preview = previewOfFont(settings, font.place, previewSettings);
    if (!preview.error.empty()) {
        return "<p class=\"refused\">図を描けません： " + markupText(preview.error) + "</p>\n";
    }
    std::string svg = fontPreviewSvg(preview, dpi);
    if (svg.rfind("<?xml", 0) == 0) svg.erase(0, svg.find('\n') + 1);
    std::string html = "<div class=\"picture\">" + svg + "</div>\n";
    html += "<p class=\"size\">実寸： 幅 " + millimetres(mmFromDots(preview.geometry.width, dpi)) +
            " mm × 高さ " + millimetres(mmFromDots(preview.geometry.height, dpi)) +
            " mm（見本のデータ： " + markupText(preview.data) + "）</p>\n";
    for (const std::string& note : preview.notes) {
        html += "<p class=\"note\">" + markupText(note) + "</p>\n";
    }
    return html;
}

std::string block(const SettingsStore& settings, const SheetFont& font, double dpi) {
    std::string html = "<section class=\"font" + std::string(font.differs ? " differs" : "") +
                       "\" id=\"" + fontAnchor(font) + "\">\n<h2>" + std::to_string(font.number) +
                       ". " + markupText(font.name) + "<span class=\"type\">" +
                       markupText(font.type) + "</span></h2>\n";
    html += picture(settings, font, dpi);
    // Long lists side by side in two tables, so that a block stays short.
    const std::size_t half =
        font.fields.size() > 8 ? (font.fields.size() + 1) / 2 : font.fields.size();
    html += "<div class=\"fields\">\n";
    for (std::size_t first = 0; first < font.fields.size(); first += half) {
        html += "<table>\n<tr><th>項目</th><th>設定値</th></tr>\n";
        for (std::size_t i = first; i < font.fields.size() && i < first + half; ++i) {
            const SheetField& field = font.fields[i];
            html += std::string("<tr") + (field.reference ? " class=\"differs\"" : "") + "><td>" +
                    markupText(field.label) + "</td><td>" + valueCell(field) + "</td></tr>\n";
        }
        html += "</table>\n";
    }
    html += "</div>\n";
    return html + "</section>\n";
}

}  // namespace

std::string settingsSheetHtml(const SheetRequest& request) {
    const SettingsStore& settings = *request.settings;
    const SettingsStore* reference = request.against ? request.against->settings : nullptr;
    const std::vector<SheetFont> fonts = sheetFonts(settings, reference);
    std::string title = "内蔵フォント設定一覧";
    if (!request.printer.empty()) title += " - " + request.printer;
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
        "style-src 'unsafe-inline'\">\n"
        "<meta name=\"generator\" content=\"VXDrvFontTool " VX_VERSION_TEXT "\">\n<title>" +
        markupText(title) + "</title>\n<style>" + std::string(kSheetStyle) + printHeader(request) +
        "</style>\n</head>\n<body>\n<h1>" + markupText(title) + "</h1>\n";
    html += notices(request, fonts);
    html += head(request);
    html += contents(fonts, reference != nullptr);
    for (const SheetFont& font : fonts) html += block(settings, font, request.dpi);
    return html + "</body>\n</html>\n";
}

}  // namespace vx
