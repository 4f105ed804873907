#include "settings/driver_font_file.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "settings/driver_font_keys.h"
#include "settings/field_codes.h"
#include "settings/file_io.h"
#include "settings/font_names.h"
#include "settings/font_type_numbers.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

IniDocument readDocument(const std::filesystem::path& path) {
    std::optional<std::string> bytes = readFileBytes(path);
    return bytes ? IniDocument(std::move(*bytes)) : IniDocument();
}

// --- Reading -------------------------------------------------------------------

// The type index of a font from its "FontType", or of its factory type when
// the number names no type of its kind.
// Each font's section is read through one SectionReader, which finds the
// section once and indexes its keys, instead of a search per key.
using Section = IniDocument::SectionReader;

template <class ToIndex>
int readTypeIndex(const Section& section, const std::string& factory, ToIndex toIndex,
                  int typeCount) {
    int index = toIndex(leadingInteger(section.read(kFontTypeKey, factory)));
    if (index < 0 || index >= typeCount) index = toIndex(leadingInteger(factory));
    return index;
}

void readCharacterFont(const IniDocument& file, int n, CharacterFontRecord& font) {
    font.fontName = characterFontName(n);
    const Section section = file.section(font.fontName);
    font.typeIndex = readTypeIndex(section, characterFactoryFontType(n),
                                   characterTypeIndexFromFontType, kCharacterTypeCount);
    font.typeName = characterTypeName(font.typeIndex);
    const bool outline = font.typeIndex >= kFirstOutlineTypeIndex;
    for (const CharacterKeyRow& row : characterKeyRows()) {
        if (row.field == nullptr) continue;
        const char* key = outline ? row.outlineKey : row.bitmapKey;
        const KeyCell& cell = outline ? row.outline : row.bitmap;
        font.*row.field =
            cell.op == KeyCell::Field ? section.read(key, cell.value) : std::string(cell.value);
    }
    for (std::string CharacterFontRecord::*working :
         {&CharacterFontRecord::reverseAreaX, &CharacterFontRecord::reverseAreaY,
          &CharacterFontRecord::frameGapX, &CharacterFontRecord::frameGapY,
          &CharacterFontRecord::strikeEndLength}) {
        font.*working = "1";
    }
}

void readBarcodeType(const Section& section, int n, BarcodeRecord& barcode) {
    barcode.fontName = barcodeFontName(n);
    barcode.setType(readTypeIndex(section, barcodeFactoryFontType(n), barcodeTypeIndexFromFontType,
                                  kBarcodeTypeCount));
    barcode.moduleWidth = "0";
    barcode.guardBarLength = "0";
    barcode.zeroSuppress = "0";
    barcode.rssVersion.clear();
    barcode.checkDigit.clear();
    barcode.autoSwitch = "9";
}

void readBarcodeKeys(const Section& section, BarcodeRecord& barcode) {
    // The keys follow the type name, as the writer does.
    const std::optional<BarcodeType> type = barcodeTypeAt(barcodeTypeIndexOf(barcode.typeName));
    if (!type) return;
    for (const BarcodeOriginKey& origin : kBarcodeOriginKeys) {
        barcode.*origin.field = section.read(origin.key, kDefault);
    }
    const BarcodeLayout layout = barcodeLayout(*type);
    for (const BarcodeKeyRow& row : layout.rows) {
        const KeyCell& cell = row.cells[layout.column].read;
        if (cell.op == KeyCell::Field) {
            barcode.*row.field = section.read(row.key, cell.value);
        } else if (cell.op == KeyCell::Fixed) {
            barcode.*row.field = cell.value;
        }
    }
    for (const auto& [field, value] : layout.fixedFields) barcode.*field = value;
}

void readCode2D(const IniDocument& file, int n, Code2DRecord& code) {
    code.fontName = code2DFontName(n);
    const Section section = file.section(code.fontName);
    // A number outside the table stays as it is; the writer then keeps only
    // "FontType".
    code.typeIndex = code2DTypeIndexFromFontType(
        leadingInteger(section.read(kFontTypeKey, code2DFactoryFontType(n))));
    forEachCode2DParams(code, [&](std::string_view, auto& params, auto, Code2DType type) {
        params.typeName = code2DTypeName(typeIndexOf(type));
        for (const auto& row : code2DKeyRows(&params)) {
            if (row.field != nullptr) params.*row.field = section.read(row.key, row.value);
        }
    });
}

// --- Writing -------------------------------------------------------------------


// The keys of one font section in writing order, with their values.
using KeyValues = std::vector<std::pair<std::string_view, std::string>>;

std::string characterValue(const CharacterKeyRow& row, const CharacterFontRecord& font,
                           bool outline) {
    const KeyCell& cell = outline ? row.outline : row.bitmap;
    if (row.field == nullptr) return cell.value;
    return characterFieldWritten(row, font, outline) ? font.*row.field : std::string(kDefault);
}

KeyValues characterKeys(const CharacterFontRecord& font) {
    const bool outline = font.typeIndex >= kFirstOutlineTypeIndex;
    KeyValues keys;
    for (const CharacterKeyRow& row : characterKeyRows()) {
        const char* key = outline ? row.outlineKey : row.bitmapKey;
        if (key != nullptr) keys.emplace_back(key, characterValue(row, font, outline));
    }
    return keys;
}

KeyValues barcodeKeys(const BarcodeRecord& barcode) {
    const std::optional<BarcodeType> type = barcodeTypeAt(barcodeTypeIndexOf(barcode.typeName));
    if (!type) return {};
    KeyValues keys;
    for (const BarcodeOriginKey& origin : kBarcodeOriginKeys) {
        keys.push_back({origin.key, barcode.*origin.field});
    }
    const BarcodeLayout layout = barcodeLayout(*type);
    for (const BarcodeKeyRow& row : layout.rows) {
        const KeyCell& cell = row.cells[layout.column].write;
        if (cell.op == KeyCell::None) continue;
        keys.emplace_back(row.key, cell.op == KeyCell::Field ? barcode.*row.field : cell.value);
    }
    return keys;
}

KeyValues code2DKeys(const Code2DRecord& code) {
    KeyValues keys;
    const std::optional<Code2DType> type = code2DTypeAt(code.typeIndex);
    if (!type) return keys;
    visitCode2DParams(code, *type, [&](const auto& params, auto) {
        for (const auto& row : code2DKeyRows(&params)) {
            keys.emplace_back(row.key, row.field != nullptr ? params.*row.field : row.value);
        }
    });
    return keys;
}

// Clears the section and writes its FontType. A line without "=" named like
// FontType or one of `keys` would take the value in place, keeping its own
// line break, and the next save would clear it as a key and write it at the
// end; such lines go with the clearing, like keys, so that each key is
// written in its own place and one save gives the section its settled form.
// They go before any key is added: a line removed after that would leave the
// new keys after a line whose run of breaks the next save splits otherwise.
bool writeFontType(IniDocument& file, const std::string& section, int fontType,
                   const KeyValues& keys) {
    if (!clearSectionExceptFontType(file, section)) return false;
    std::vector<std::string_view> names = {kFontTypeKey};
    for (const auto& entry : keys) names.push_back(entry.first);
    file.removeLinesWithoutEquals(section, names);
    return file.write(section, kFontTypeKey, formatDecimal(fontType));
}

bool writeKeys(IniDocument& file, const std::string& section, const KeyValues& keys) {
    bool ok = true;
    for (const auto& [key, value] : keys) ok = file.write(section, key, value) && ok;
    return ok;
}

bool writeSection(IniDocument& file, const std::string& section, int fontType,
                  const KeyValues& keys) {
    return writeFontType(file, section, fontType, keys) && writeKeys(file, section, keys);
}

}  // namespace

bool isSupportedFileVersion(const IniDocument& file) {
    return leadingInteger(file.read(kVersionSection, kVersionKey, "1.000")) >= 2;
}

void loadDriverFontFile(const IniDocument& file, SettingsStore& store) {
    for (int n = 0; n < kCharacterFontCount; ++n) readCharacterFont(file, n, store.fonts[n]);
    std::vector<Section> barcodeSections;
    barcodeSections.reserve(kBarcodeFontCount);
    for (int n = 0; n < kBarcodeFontCount; ++n) {
        barcodeSections.push_back(file.section(barcodeFontName(n)));
        readBarcodeType(barcodeSections.back(), n, store.barcodes[n]);
    }
    for (int n = 0; n < kBarcodeFontCount; ++n) {
        readBarcodeKeys(barcodeSections[n], store.barcodes[n]);
    }
    for (int n = 0; n < kCode2DFontCount; ++n) readCode2D(file, n, store.codes2D[n]);
}

bool writeDriverFontSections(const SettingsStore& store, IniDocument& file) {
    return writeDriverFontSections(store, file, {});
}

bool writeDriverFontSections(const SettingsStore& store, IniDocument& file,
                             const std::vector<std::string>& fontNames) {
    auto chosen = [&](const std::string& name) {
        return fontNames.empty() ||
               std::find(fontNames.begin(), fontNames.end(), name) != fontNames.end();
    };
    bool ok = true;
    for (const CharacterFontRecord& font : store.fonts) {
        if (!chosen(font.fontName)) continue;
        ok = writeSection(file, font.fontName, characterFontTypeFromTypeIndex(font.typeIndex),
                          characterKeys(font)) &&
             ok;
    }
    // Barcodes: every FontType first, then the keys.
    for (const BarcodeRecord& barcode : store.barcodes) {
        if (!chosen(barcode.fontName)) continue;
        ok = writeFontType(file, barcode.fontName, barcodeFontTypeFromTypeIndex(barcode.typeIndex),
                           barcodeKeys(barcode)) &&
             ok;
    }
    for (const BarcodeRecord& barcode : store.barcodes) {
        if (!chosen(barcode.fontName)) continue;
        ok = writeKeys(file, barcode.fontName, barcodeKeys(barcode)) && ok;
    }
    for (const Code2DRecord& code : store.codes2D) {
        if (!chosen(code.fontName)) continue;
        ok = writeSection(file, code.fontName, code2DFontTypeFromTypeIndex(code.typeIndex),
                          code2DKeys(code)) &&
             ok;
    }
    return ok;
}

bool clearSectionExceptFontType(IniDocument& file, std::string_view section) {
    // Deleting from the document in memory cannot fail; the file itself is
    // replaced as a whole when the save ends.
    file.removeKeysExcept(section, kFontTypeKey);
    return true;
}

std::string formatDecimal(int value) { return std::to_string(value); }

SaveOutcome saveDriverFontFile(const SettingsStore& store, const std::filesystem::path& path) {
    if (path.empty()) return SaveOutcome::Failed;
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return SaveOutcome::Failed;
    IniDocument file(std::move(*bytes));
    if (!writeDriverFontSections(store, file)) return SaveOutcome::Failed;
    return replaceFileContents(path, file.bytes()) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

void loadDriverFontFile(const std::filesystem::path& path, SettingsStore& store) {
    loadDriverFontFile(readDocument(path), store);
}

bool isSupportedFileVersion(const std::filesystem::path& path) {
    return isSupportedFileVersion(readDocument(path));
}

}  // namespace vx
