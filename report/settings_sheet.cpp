#include "report/settings_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
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

// The marks of what the file did not hold as the sheet shows it.
constexpr std::string_view kFactoryMark = "工場出荷時の値を表示しています";
constexpr std::string_view kUnlistedMark = "選択肢にない値";

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
    std::string cell = markupText(field.shown);
    if (field.unlisted) cell += " <span class=\"mark\">（" + std::string(kUnlistedMark) + "）</span>";
    if (!field.reference) return cell;
    return "<span class=\"differs\">" + cell + "</span> <span class=\"ref\">（" +
           markupText(*field.reference) + "）</span>";
}

bool withoutSection(const SheetRequest& request, const SheetFont& font) {
    const std::vector<std::string>& missing = request.file.fontsWithoutSection;
    return std::find(missing.begin(), missing.end(), font.name) != missing.end();
}

// Every page printed names the printer and the day in its top margin.
std::string printHeader(const SheetRequest& request) {
    const std::string printer =
        request.printer.empty() ? request.file.path : "プリンタ： " + request.printer;
    return "@page { @top-left { content: " + cssString(printer) +
           "; font-size: 8pt; } @top-right { content: " +
           cssString("内蔵フォント設定一覧　" + request.madeAt.substr(0, 10)) +
           "; font-size: 8pt; } @bottom-center { content: counter(page) \" / \" counter(pages); "
           "font-size: 8pt; } }\n";
}

// A row of the head: the file's value, and the reference's beside it.
void addHeadRow(std::string& html, std::string_view label, const std::string& cell,
                const std::optional<std::string>& reference, bool code = false) {
    const std::string open = std::string("<td") + (code ? " class=\"code\"" : "") + ">";
    html += "<tr><th>" + std::string(label) + "</th>" + open + cell + "</td>";
    if (reference) html += open + *reference + "</td>";
    html += "</tr>\n";
}

std::string head(const SheetRequest& request) {
    const SheetFile& file = request.file;
    const SheetFile* ref = request.against ? &request.against->file : nullptr;
    const auto theirs = [&](auto fact) -> std::optional<std::string> {
        if (ref == nullptr) return std::nullopt;
        return fact(*ref);
    };
    std::string html = "<table class=\"head\">\n";
    if (ref != nullptr) {
        html += "<tr><th></th><th>設定ファイル</th><th>比較した設定ファイル</th></tr>\n";
    }
    addHeadRow(html, "プリンタ", orNone(request.printer), theirs([](auto&) { return "—"; }));
    addHeadRow(html, "プリンタドライバ", orNone(request.driver), theirs([](auto&) { return "—"; }));
    addHeadRow(html, "設定ファイル", markupText(file.path),
               theirs([](const SheetFile& f) { return markupText(f.path); }), true);
    addHeadRow(html, "バージョン (Version)", orNone(file.version),
               theirs([](const SheetFile& f) { return orNone(f.version); }));
    addHeadRow(html, "サイズ", byteCountText(file.size),
               theirs([](const SheetFile& f) { return byteCountText(f.size); }));
    addHeadRow(html, "最終更新日時", orNone(file.modified),
               theirs([](const SheetFile& f) { return orNone(f.modified); }));
    addHeadRow(html, "SHA-256", markupText(file.sha256),
               theirs([](const SheetFile& f) { return markupText(f.sha256); }), true);
    const std::string span = ref != nullptr ? " colspan=\"2\"" : "";
    const auto shared = [&](std::string_view label, const std::string& cell) {
        html += "<tr><th>" + std::string(label) + "</th><td" + span + ">" + cell + "</td></tr>\n";
    };
    char dpi[32];
    std::snprintf(dpi, sizeof dpi, "%g dpi", request.dpi);
    if (request.form == SheetForm::Full) shared("図の解像度", dpi);
    shared("ツールのバージョン", markupText(VX_VERSION_TEXT));
    shared("作成日時", markupText(request.madeAt));
    if (!request.note.empty()) shared("メモ", "<span class=\"user-note\">" + markupText(request.note) + "</span>");
    return html + "</table>\n";
}

std::string notices(const SheetRequest& request, const std::vector<SheetFont>& fonts) {
    std::string html;
    if (request.unsavedFonts > 0) {
        html += "<p class=\"notice\">この一覧は、まだ保存していない変更（" +
                std::to_string(request.unsavedFonts) +
                " フォント）を含みます。設定ファイルの内容とは異なります。</p>\n";
    }
    if (const std::size_t missing = request.file.fontsWithoutSection.size(); missing > 0) {
        html += "<p class=\"missing\">設定ファイルにセクションがないフォント： " +
                std::to_string(missing) + " / " + std::to_string(fonts.size()) + "（" +
                std::string(kFactoryMark) + "）</p>\n";
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

// One row per font with its key values; in the full sheet each name links
// to the font's block.
std::string contents(const SheetRequest& request, const std::vector<SheetFont>& fonts) {
    const bool against = request.against.has_value();
    const bool full = request.form == SheetForm::Full;
    std::string html = full ? "<h2>目次</h2>\n" : "<h2>フォント一覧</h2>\n";
    html += std::string("<table class=\"contents") + (against ? " against" : "") +
            "\">\n<tr><th>No.</th><th>フォント名</th><th>種別</th><th>基点 (X, Y)</th>"
            "<th>大きさ</th><th>回転方向</th>";
    html += against ? "<th>比較</th></tr>\n" : "</tr>\n";
    const bool allWithout = request.file.fontsWithoutSection.size() == fonts.size();
    for (const SheetFont& font : fonts) {
        const SheetFigures figures = sheetFigures(font);
        const std::string name = markupText(font.name);
        std::string marks;
        // When the file holds no font at all, the head says so once; sixty
        // rows saying it again would only push the table onto more paper.
        if (!allWithout && withoutSection(request, font)) {
            marks += "<br><span class=\"mark\">" + std::string(kFactoryMark) + "</span>";
        }
        const bool unlisted = std::any_of(font.fields.begin(), font.fields.end(),
                                          [](const SheetField& f) { return f.unlisted; });
        if (unlisted) marks += "<br><span class=\"mark\">" + std::string(kUnlistedMark) + "あり</span>";
        html += std::string("<tr") + (font.differs ? " class=\"differs\"" : "") +
                "><td class=\"num\">" + std::to_string(font.number) + "</td><td>" +
                (full ? "<a href=\"#" + fontAnchor(font) + "\">" + name + "</a>" : name) + marks +
                "</td><td>" + markupText(font.type) + "</td><td>" +
                figureCell(figures.position, false) + "</td><td>" +
                figureCell(figures.size, true) + "</td><td>" + figureCell(figures.rotation, false) +
                "</td>";
        if (against) html += font.differs ? "<td>違いあり</td>" : "<td>同じ</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

// The room a picture has on an A4 page: the page less its margins and the
// block's padding and border, and below the block's heading.
constexpr double kPictureRoomWidthMm = 180;
constexpr double kPictureRoomHeightMm = 220;

// The whole percent a picture larger than its room is shown at; nothing
// when it fits at true size.
std::optional<int> shownPercent(double widthMm, double heightMm) {
    if (widthMm <= kPictureRoomWidthMm && heightMm <= kPictureRoomHeightMm) return std::nullopt;
    const double scale = std::min(kPictureRoomWidthMm / widthMm, kPictureRoomHeightMm / heightMm);
    return std::max(1, static_cast<int>(std::floor(scale * 100)));
}

// The picture's root given the size it is shown at.
std::string scaledTo(std::string svg, double widthMm, double heightMm) {
    const std::size_t root = svg.find("<svg ");
    const std::size_t w = svg.find(" width=\"", root), h = svg.find(" height=\"", root);
    const std::size_t close = svg.find('>', root);
    if (root == std::string::npos || w > close || h > close) return svg;
    const auto replace = [&](std::size_t at, std::string_view attribute, double mm) {
        const std::size_t from = at + attribute.size() + 3, to = svg.find('"', from);
        svg.replace(from, to - from, millimetres(mm) + "mm");
    };
    replace(h, "height", heightMm);
    replace(svg.find(" width=\"", root), "width", widthMm);
    return svg;
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
    const double width = mmFromDots(preview.geometry.width, dpi);
    const double height = mmFromDots(preview.geometry.height, dpi);
    const std::optional<int> percent = shownPercent(width, height);
    if (percent) svg = scaledTo(svg, width * *percent / 100, height * *percent / 100);
    std::string html = "<div class=\"picture\">" + svg + "</div>\n";
    html += "<p class=\"size\">実寸： 幅 " + millimetres(width) + " mm × 高さ " +
            millimetres(height) + " mm（見本のデータ： " + markupText(preview.data) + "）</p>\n";
    if (percent) {
        html += "<p class=\"scaled\">用紙に収まらないため、実寸の " + std::to_string(*percent) +
                " % に縮小して表示しています（幅 " + millimetres(width * *percent / 100) +
                " mm × 高さ " + millimetres(height * *percent / 100) + " mm）。</p>\n";
    }
    for (const std::string& note : preview.notes) {
        html += "<p class=\"note\">" + markupText(note) + "</p>\n";
    }
    return html;
}

std::string block(const SettingsStore& settings, const SheetFont& font, double dpi,
                  bool missingSection) {
    std::string html = "<section class=\"font" + std::string(font.differs ? " differs" : "") +
                       "\" id=\"" + fontAnchor(font) + "\">\n<h2>" + std::to_string(font.number) +
                       ". " + markupText(font.name) + "<span class=\"type\">" +
                       markupText(font.type) + "</span></h2>\n";
    if (missingSection) {
        html += "<p class=\"missing\">設定ファイルにこのフォントのセクションがありません。" +
                std::string(kFactoryMark) + "。</p>\n";
    }
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
    std::vector<SheetFont> fonts = sheetFonts(settings, reference);
    // A font the file lacks is marked as showing factory values as a whole;
    // those that are no list's code are not marked again one by one.
    for (SheetFont& font : fonts) {
        if (!withoutSection(request, font)) continue;
        for (SheetField& field : font.fields) field.unlisted = false;
    }
    std::string title = request.form == SheetForm::Summary ? "内蔵フォント設定一覧（要約）"
                                                           : "内蔵フォント設定一覧";
    if (!request.printer.empty()) title += " - " + request.printer;
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
        "style-src 'unsafe-inline'\">\n"
        "<meta name=\"generator\" content=\"VXDrvFontTool " VX_VERSION_TEXT "\">\n<title>" +
        markupText(title) + "</title>\n<style>" + std::string(kSheetStyle) +
        (request.form == SheetForm::Summary ? std::string(kSummaryStyle) : std::string()) +
        printHeader(request) +
        "</style>\n</head>\n<body>\n<h1>" + markupText(title) + "</h1>\n";
    html += notices(request, fonts);
    html += head(request);
    html += contents(request, fonts);
    if (request.form == SheetForm::Full) {
        for (const SheetFont& font : fonts) {
            html += block(settings, font, request.dpi, withoutSection(request, font));
        }
    }
    return html + "</body>\n</html>\n";
}

}  // namespace vx
