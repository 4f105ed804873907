#include "report/sheet_fonts.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/field_catalogue.h"
#include "settings/font_fields.h"
#include "settings/ini_document.h"

namespace vx {

namespace {

// The field's own name, without a 2D code's parameter record.
std::string_view ownName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

// The fields of a font that differ from the reference's, by name.
const FontDifferences* differencesOf(const std::vector<FontDifferences>& all,
                                     const std::string& font) {
    for (const FontDifferences& found : all) {
        if (found.fontName == font) return &found;
    }
    return nullptr;
}

bool named(const FontDifferences& differences, std::string_view field) {
    return std::any_of(differences.fields.begin(), differences.fields.end(),
                       [&](const FieldDifference& d) { return d.name == field; });
}

// The factory state: what a file without font sections gives.
const SettingsStore& factoryState() {
    static const SettingsStore factory = [] {
        SettingsStore store;
        loadDriverFontFile(IniDocument(), store);
        return store;
    }();
    return factory;
}

// A value of a list that none of the list's entries stores. The factory's
// own values (a bitmap magnification "1", a barcode's text "default") are
// values the page shows and the printer knows, not strangers.
bool outsideItsList(FontKind kind, int typeIndex, const ShownField& field,
                    const std::vector<ShownField>& factory) {
    const FieldSpec* spec = findFieldSpec(kind, ownName(field.name), typeIndex);
    if (spec == nullptr || spec->form != FieldForm::Code) return false;
    const bool factoryValue = std::any_of(factory.begin(), factory.end(), [&](const ShownField& f) {
        return f.name == field.name && f.value == field.value;
    });
    if (factoryValue) return false;
    const auto column = static_cast<std::size_t>(spec->column);
    return std::none_of(spec->entries.begin(), spec->entries.end(), [&](const CodedEntry& entry) {
        return column < entry.codes.size() && entry.codes[column] == field.value;
    });
}

bool sameRow(const SheetField& a, const SheetField& b) {
    return a.label == b.label && a.shown == b.shown && a.reference == b.reference;
}

}  // namespace

std::vector<SheetFont> sheetFonts(const SettingsStore& settings, const SettingsStore* reference) {
    const std::vector<FontDifferences> differences =
        reference != nullptr ? compareFontFields(settings, *reference, {})
                             : std::vector<FontDifferences>{};
    std::vector<SheetFont> fonts;
    int number = 0;
    for (const FontFields& font : listFontFields(settings)) {
        SheetFont sheet;
        sheet.place = *placeOf(settings, font.fontName);
        sheet.number = ++number;
        sheet.name = utf8FromCp932(font.fontName);
        const FontDifferences* differing = differencesOf(differences, font.fontName);
        const std::vector<ShownField> shown = shownFields(settings, font.fontName);
        const std::vector<ShownField> factory = shownFields(factoryState(), font.fontName);
        const std::vector<ShownField> theirs = differing != nullptr
                                                   ? shownFields(*reference, font.fontName)
                                                   : std::vector<ShownField>{};
        int typeIndex = 0;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const ShownField& field = shown[i];
            if (field.name == kTypeIndexField) {
                typeIndex = std::atoi(field.value.c_str());
                sheet.type = field.shown;
                if (sheet.place.kind == FontKind::Code2D && !code2DTypeAt(typeIndex)) {
                    // The page shows Data Matrix; the file holds another number.
                    SheetField row{field.name, field.label, utf8FromCp932(field.value),
                                   std::nullopt};
                    row.unlisted = true;
                    sheet.fields.push_back(std::move(row));
                    typeIndex = typeIndexOf(Code2DType::DataMatrix);
                }
                continue;
            }
            if (!field.used) continue;
            SheetField row{field.name, field.label, shownWithUnit(field), std::nullopt};
            row.unlisted = outsideItsList(sheet.place.kind, typeIndex, field, factory);
            // The page would show its fallback entry, which the file does not hold.
            if (row.unlisted) row.shown = utf8FromCp932(field.value);
            if (differing != nullptr && named(*differing, field.name) && i < theirs.size()) {
                row.reference = shownWithUnit(theirs[i]);
            }
            // A list of several fields is one control of the page: shown once.
            if (!sheet.fields.empty() && sameRow(sheet.fields.back(), row)) {
                sheet.fields.back().unlisted = sheet.fields.back().unlisted || row.unlisted;
                continue;
            }
            sheet.fields.push_back(std::move(row));
        }
        sheet.differs = differing != nullptr;
        fonts.push_back(std::move(sheet));
    }
    return fonts;
}

SheetFigures sheetFigures(const SheetFont& font) {
    constexpr std::array<std::string_view, 2> kPosition = {"originX", "originY"};
    constexpr std::array<std::string_view, 6> kSize = {"sizeX",     "sizeY",   "moduleWidth",
                                                       "narrowBar", "wideBar", "height"};
    constexpr std::array<std::string_view, 1> kRotation = {"rotation"};
    SheetFigures figures;
    const auto pick = [&](auto names, std::vector<const SheetField*>& into) {
        for (const std::string_view name : names) {
            for (const SheetField& field : font.fields) {
                if (ownName(field.name) == name) into.push_back(&field);
            }
        }
    };
    pick(kPosition, figures.position);
    pick(kSize, figures.size);
    pick(kRotation, figures.rotation);
    return figures;
}

}  // namespace vx
