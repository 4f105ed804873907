// The settings sheet's style: readable at 100 % on a screen, and on A4 with
// no font's block split across pages. The print header (printer and date)
// is added by the sheet, since its texts come from the file and the user.
#pragma once

#include <string_view>

namespace vx {

inline constexpr std::string_view kSheetStyle = R"(
:root { color-scheme: light; }
body { margin: 16px 24px; color: #000; background: #fff; font-size: 10.5pt; line-height: 1.4;
  font-family: "Yu Gothic UI", "Meiryo UI", Meiryo, "IPAPGothic", "IPAGothic", sans-serif; }
h1 { font-size: 16pt; margin: 0 0 8px; }
h2 { font-size: 12pt; margin: 16px 0 6px; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 2px 6px; text-align: left; vertical-align: top; }
th { background: #eee; font-weight: normal; }
table.head { width: 100%; table-layout: fixed; }
table.head th:first-child { width: 11em; }
td.code { font-family: Consolas, "DejaVu Sans Mono", monospace; word-break: break-all; }
td.num { text-align: right; }
table.contents { width: 100%; table-layout: fixed; }
table.contents td { overflow-wrap: anywhere; }
table.contents th:nth-child(1) { width: 4%; }
table.contents th:nth-child(2) { width: 16%; }
table.contents th:nth-child(3) { width: 16%; }
table.contents th:nth-child(4) { width: 17%; }
table.contents th:nth-child(6) { width: 12%; }
table.contents th:nth-child(7) { width: 7%; }
table.head td { overflow-wrap: anywhere; }
.mark { color: #b00; font-weight: bold; }
.scaled { font-size: 9pt; color: #b00; margin: 2px 0; }
.user-note { white-space: pre-wrap; }
.notice { border: 2px solid #b00; color: #b00; padding: 4px 8px; margin: 8px 0; }
.missing { border: 1px solid #b00; color: #b00; padding: 2px 8px; margin: 4px 0; }
.summary { border: 2px solid #666; padding: 4px 8px; margin: 8px 0; font-weight: bold; }
.differs { background: #ffe08a; }
.ref { color: #a00; }
section.font { break-inside: avoid; page-break-inside: avoid; border: 1px solid #999;
  margin: 10px 0; padding: 6px 10px; }
section.font h2 { margin: 0 0 6px; }
section.font.differs { background: #fff; border: 2px solid #c80; }
.type { font-weight: normal; margin-left: 1em; }
.picture { margin: 6px 0; }
div.fields { display: flex; flex-wrap: wrap; gap: 12px; align-items: flex-start; }
.picture svg { display: block; max-width: 100%; height: auto; outline: 1px dotted #888; }
.size, .note { font-size: 9pt; color: #444; margin: 2px 0; }
.refused { color: #b00; }
@page { size: A4; margin: 16mm 12mm 14mm 12mm; }
@media print {
  body { margin: 0; font-size: 9.5pt; }
  a { color: inherit; text-decoration: none; }
  table.contents tr { break-inside: avoid; }
  .differs { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

}  // namespace vx

namespace vx {

// The summary: one table of all fonts, set close so that the demo files'
// sixty rows and the head take at most two A4 pages.
inline constexpr std::string_view kSummaryStyle = R"(
body { font-size: 9pt; line-height: 1.2; }
h1 { font-size: 13pt; margin: 0 0 4px; }
h2 { font-size: 10.5pt; margin: 8px 0 4px; }
th, td { padding: 1px 4px; }
table.contents tr { break-inside: avoid; }
@media print { body { font-size: 7.5pt; } }
)";

}  // namespace vx
