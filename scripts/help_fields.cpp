// help_fields: prints the help's table of the fields that dvftool reads and
// sets (an HTML fragment, UTF-8), made from the field catalogue and the type
// tables. The help build puts it into dvftool.html, so that the help says
// what dvftool and the pages accept, as they accept it.
//
// Exits 1 without output when a parameter record holds a field that the
// catalogue does not describe for its type: the help would be wrong.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "settings/codepage.h"
#include "settings/field_catalogue.h"
#include "settings/field_specs.h"
#include "settings/field_values.h"
#include "settings/font_fields.h"
#include "settings/font_names.h"
#include "settings/settings_store.h"

namespace vx {

namespace {

std::string escaped(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
    return html;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += separator;
        text += part;
    }
    return text;
}

std::vector<std::string_view> typeNames(FontKind kind) {
    std::vector<std::string_view> names;
    switch (kind) {
        case FontKind::Character:
            for (const CharacterTypeRow& row : kCharacterTypes) names.push_back(row.name);
            break;
        case FontKind::Barcode:
            for (const BarcodeTypeRow& row : kBarcodeTypes) names.push_back(row.name);
            break;
        case FontKind::Code2D:
            for (const Code2DTypeRow& row : kCode2DTypes) names.push_back(row.name);
            break;
    }
    return names;
}

std::string_view groupName(CharacterGroup group) {
    switch (group) {
        case CharacterGroup::Bitmap:
            return "ビットマップフォント";
        case CharacterGroup::Kanji:
            return "漢字フォント";
        case CharacterGroup::Outline:
            return "アウトラインフォント";
        case CharacterGroup::Price:
            break;
    }
    return "価格フォント";
}

constexpr CharacterGroup kGroups[] = {CharacterGroup::Bitmap, CharacterGroup::Kanji,
                                      CharacterGroup::Outline, CharacterGroup::Price};

// Character types named by whole groups where the set is made of them.
std::optional<std::string> groupsOf(TypeSet types) {
    std::vector<std::string> in, out;
    for (const CharacterGroup group : kGroups) {
        const TypeSet members = fields::characterTypesOf(group);
        bool all = true, none = true;
        for (int index = 0; index < kCharacterTypeCount; ++index) {
            if (!members.contains(index)) continue;
            (types.contains(index) ? none : all) = false;
        }
        if (!all && !none) return std::nullopt;
        (all ? in : out).emplace_back(groupName(group));
    }
    if (out.size() < in.size()) return joined(out, "・") + "以外";
    return joined(in, "・");
}

// The types of a set, in the fewest words: all, a group, or the types in or
// out of the set by name.
std::string typesText(FontKind kind, TypeSet types) {
    const std::vector<std::string_view> names = typeNames(kind);
    std::vector<std::string> in, out;
    for (std::size_t index = 0; index < names.size(); ++index) {
        // A type's name is not broken at its hyphens.
        (types.contains(static_cast<int>(index)) ? in : out)
            .push_back("<span class=\"type\">" + escaped(names[index]) + "</span>");
    }
    if (in.empty()) return "－";
    if (out.empty()) return "すべての種別";
    if (kind == FontKind::Character) {
        if (std::optional<std::string> groups = groupsOf(types)) return escaped(*groups);
    }
    // A few left out read better than many named.
    if (2 * out.size() <= in.size()) return joined(out, "、") + " 以外のすべての種別";
    return joined(in, "、");
}

// The entries of the catalogue that hold one list's codes together (a list
// of several fields, as the check digit and its mode), in code order; none
// for a list of one field.
std::vector<const FieldSpec*> listMembers(const FieldSpec& spec) {
    std::vector<const FieldSpec*> members;
    if (spec.form != FieldForm::Code || spec.entries.empty() || spec.entries[0].codes[1].empty()) {
        return members;
    }
    for (const FieldSpec* other : fieldCatalogue(spec.kind)) {
        if (other->entries.data() == spec.entries.data() &&
            other->entries.size() == spec.entries.size() &&
            other->types.without(spec.types).empty() && spec.types.without(other->types).empty()) {
            members.push_back(other);
        }
    }
    std::sort(members.begin(), members.end(),
              [](const FieldSpec* a, const FieldSpec* b) { return a->column < b->column; });
    return members;
}

// A list of several fields: each entry as its codes, in field order.
std::string acceptedCombinations(const FieldSpec& spec, std::size_t fieldCount) {
    std::vector<std::string> choices;
    for (const CodedEntry& entry : spec.entries) {
        std::vector<std::string> codes(entry.codes.begin(), entry.codes.begin() + fieldCount);
        const std::string shown = shownValue(spec, entry.codes[0], entry.codes);
        choices.push_back(escaped(joined(codes, ", ") + " (" + shown + ")"));
    }
    return joined(choices, "<br>");
}

// The decoration's parameters for each decoration code.
std::string acceptedDecorationParamsText() {
    std::vector<std::string> choices;
    for (const CodedEntry& entry : fields::kDecoration.entries) {
        const std::string_view code = entry.codes[0];
        choices.push_back("decoration=" + escaped(code) + ": " +
                          escaped(acceptedDecorationParams(code)));
    }
    return joined(choices, "<br>");
}

std::string typeIndexText(FontKind kind) {
    return "0〜" + std::to_string(typeNames(kind).size() - 1) + " (種別の番号、下の表)";
}

std::string acceptedText(const FieldSpec& spec) {
    switch (spec.form) {
        case FieldForm::Number: {
            FieldSpec withoutUnit = spec;  // the unit has a column of its own
            withoutUnit.unit = {};
            return escaped(acceptedValues(withoutUnit));
        }
        case FieldForm::Code:
            return escaped(acceptedValues(spec));
        case FieldForm::Composite:
            return acceptedDecorationParamsText();
        case FieldForm::Type:
            return "typeName: 種別の名前 (下の表)<br>typeIndex: " +
                   escaped(typeIndexText(spec.kind)) +
                   "<br>どちらか一方で種別が決まり、もう一方も変わります。";
        case FieldForm::Fixed:
            return "変えられません";
        case FieldForm::Working:
            break;
    }
    return "変えられません (画面の作業用の値で、ファイルには書かれません)";
}

struct Row {
    std::string label;
    std::vector<std::string> names;
    std::string unit;
    std::string accepted;  // HTML
    std::string types;     // HTML
};

void printRow(std::ostream& out, const Row& row) {
    std::vector<std::string> names;
    for (const std::string& name : row.names) names.push_back("<code>" + escaped(name) + "</code>");
    out << "<tr><td class=\"label\">" << escaped(row.label) << "</td><td>" << joined(names, "<br>")
        << "</td><td>" << escaped(row.unit) << "</td><td>" << row.accepted << "</td><td>"
        << row.types << "</td></tr>\n";
}

// The row of a field, with the fields of its list; `prefix` names a 2D
// code's parameter record. Nothing for the later fields of a list.
std::optional<Row> fieldRow(const FieldSpec& spec, std::string_view prefix, std::string types) {
    Row row{fieldLabel(spec), {}, std::string(spec.unit), acceptedText(spec), std::move(types)};
    const std::vector<const FieldSpec*> members = listMembers(spec);
    if (!members.empty() && members.front() != &spec) return std::nullopt;
    for (const FieldSpec* member : members) {
        row.names.push_back(std::string(prefix) + std::string(member->name));
    }
    if (members.empty()) {
        row.names.push_back(std::string(prefix) + std::string(spec.name));
        if (spec.form == FieldForm::Type) row.names.emplace_back(kTypeIndexField);
    } else {
        row.accepted = acceptedCombinations(spec, members.size());
    }
    return row;
}

const char* const kTableHead =
    "<table class=\"fields\">\n<tr><th>項目</th><th>dvftool の名前</th><th>単位</th>"
    "<th class=\"accepted\">受け付ける値</th><th class=\"types\">使う種別</th></tr>\n";

void printFieldTable(std::ostream& out, FontKind kind) {
    out << kTableHead;
    for (const FieldSpec* spec : fieldCatalogue(kind)) {
        if (std::optional<Row> row = fieldRow(*spec, {}, typesText(kind, spec->types))) {
            printRow(out, *row);
        }
    }
    out << "</table>\n";
}

// A 2D code font keeps one parameter record per type; a field is used only
// in the record of the font's type. One row per record and field, in the
// records' order, after the font's type itself.
void printCode2DFieldTable(std::ostream& out) {
    out << kTableHead;
    const std::string recordTypeName =
        std::string(kCode2DTypes[0].recordName) + "." + std::string(fields::kCode2DTypeName.name);
    printRow(out, {std::string(fields::kCode2DTypeName.label),
                   {std::string(kTypeIndexField)},
                   {},
                   escaped(typeIndexText(FontKind::Code2D)) + "<br>" +
                       escaped(recordTypeName + " などの typeName は種別の名前で、" +
                               acceptedText(fields::kCode2DTypeName)),
                   "すべての種別"});
    Code2DRecord record;
    for (const Code2DTypeRow& type : kCode2DTypes) {
        const int typeIndex = typeIndexOf(type.type);
        const std::string prefix = std::string(type.recordName) + ".";
        visitCode2DParams(record, type.type, [&](auto&, auto recordFields) {
            for (const auto& field : recordFields) {
                const FieldSpec* spec = findFieldSpec(FontKind::Code2D, field.name, typeIndex);
                if (spec == nullptr || !spec->types.contains(typeIndex)) {
                    throw std::runtime_error("the field catalogue has no entry for " + prefix +
                                             std::string(field.name));
                }
                if (spec->form == FieldForm::Fixed) continue;
                if (std::optional<Row> row = fieldRow(*spec, prefix, escaped(type.name))) {
                    printRow(out, *row);
                }
            }
        });
    }
    out << "</table>\n";
}

void printTypeTable(std::ostream& out, FontKind kind) {
    out << "<table class=\"types\">\n<tr><th>番号 (typeIndex)</th><th>種別 (typeName)</th>";
    if (kind == FontKind::Character) out << "<th>グループ</th>";
    out << "</tr>\n";
    const std::vector<std::string_view> names = typeNames(kind);
    for (std::size_t index = 0; index < names.size(); ++index) {
        out << "<tr><td class=\"num\">" << index << "</td><td>" << escaped(names[index]) << "</td>";
        if (kind == FontKind::Character) {
            out << "<td>" << groupName(characterGroupOf(static_cast<int>(index))) << "</td>";
        }
        out << "</tr>\n";
    }
    out << "</table>\n";
}

struct KindSection {
    FontKind kind;
    const char* id;
    const char* title;
    const char* page;  // the setting page's help
    const char* pageTitle;
    int fontCount;
    const std::string& (*fontName)(int fontNumber);
};

const KindSection kSections[] = {
    {FontKind::Character, "fields-font", "文字フォント", "font.html", "内蔵フォント",
     kCharacterFontCount, characterFontName},
    {FontKind::Barcode, "fields-barcode", "バーコード", "barcode.html", "内蔵１次元コード",
     kBarcodeFontCount, barcodeFontName},
    {FontKind::Code2D, "fields-code2d", "2次元コード", "code2d.html", "内蔵２次元コード",
     kCode2DFontCount, code2DFontName},
};

void printFieldTables(std::ostream& out) {
    for (const KindSection& section : kSections) {
        out << "<h3 id=\"" << section.id << "\">" << section.title << "</h3>\n"
            << "<p>" << escaped(utf8FromCp932(section.fontName(0))) << " ～ "
            << escaped(utf8FromCp932(section.fontName(section.fontCount - 1))) << "（<a href=\""
            << section.page << "\">" << section.pageTitle << "</a>のページ）</p>\n";
        if (section.kind == FontKind::Code2D) {
            printCode2DFieldTable(out);
        } else {
            printFieldTable(out, section.kind);
        }
        printTypeTable(out, section.kind);
    }
}

}  // namespace

}  // namespace vx

// help_fields [OUT]: the fragment into OUT, or onto the standard output.
int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: help_fields [OUT]\n";
        return 2;
    }
    std::ostringstream html;
    try {
        vx::printFieldTables(html);
    } catch (const std::exception& problem) {
        std::cerr << "help_fields: " << problem.what() << '\n';
        return 1;
    }
    if (argc == 1) {
        std::cout << html.str();
        return std::cout.flush() ? 0 : 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << html.str();
    out.close();
    if (out) return 0;
    std::remove(argv[1]);  // no half a table for the next build to take
    std::cerr << "help_fields: cannot write " << argv[1] << '\n';
    return 1;
}
