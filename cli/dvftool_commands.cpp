#include "cli/dvftool_commands.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>

#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/file_io.h"

namespace vx {

namespace {

constexpr std::string_view kUsage =
    "使い方: dvftool <コマンド> <ファイル> [...]\n"
    "Usage: dvftool COMMAND FILE [ARGS...]\n"
    "\n"
    "Commands:\n"
    "  check FILE                   Check the driver font file's version: prints \"ok\".\n"
    "  dump FILE                    Print every setting of the 60 driver fonts, one line per\n"
    "                               field: <driver font name> TAB <field> TAB <value>.\n"
    "  save FILE                    Load the file and write all font sections back.\n"
    "  set FILE FONT FIELD=VALUE... Assign fields of one driver font (field names as dump\n"
    "                               prints them), then save. Nothing is written when a\n"
    "                               font, field or value is not accepted.\n"
    "  --help                       Show this text.\n"
    "\n"
    "Exit status: 0 done, 1 usage error, 2 file missing or unreadable,\n"
    "3 version not accepted (the file is not touched), 4 save failed (the file is unchanged).\n";

constexpr std::string_view kVersionMismatch = "バージョンが一致しません。";

std::filesystem::path pathFromUtf8(const std::string& text) {
    std::u16string wide = utf16FromUtf8(text);
    return std::filesystem::path(wide);
}

void printLine(std::ostream& out, const std::string& font, std::string_view field,
               const std::string& value) {
    out << utf8FromCp932(font) << '\t' << field << '\t' << utf8FromCp932(value) << '\n';
}

template <class Record>
void dumpTextFields(std::ostream& out, const std::string& font, const Record& record,
                    std::span<const TextField<Record>> fields, std::string_view prefix = {}) {
    for (const TextField<Record>& field : fields) {
        std::string name = prefix.empty() ? std::string(field.name)
                                          : std::string(prefix) + "." + std::string(field.name);
        printLine(out, font, name, record.*field.member);
    }
}

void dump(std::ostream& out, const SettingsStore& store) {
    for (const CharacterFontRecord& font : store.fonts) {
        printLine(out, font.fontName, "typeIndex", std::to_string(font.typeIndex));
        dumpTextFields(out, font.fontName, font, characterFontRecordFields());
    }
    for (const BarcodeRecord& barcode : store.barcodes) {
        printLine(out, barcode.fontName, "typeIndex", std::to_string(barcode.typeIndex));
        dumpTextFields(out, barcode.fontName, barcode, barcodeRecordFields());
    }
    for (const Code2DRecord& code : store.codes2D) {
        printLine(out, code.fontName, "typeIndex", std::to_string(code.typeIndex));
        forEachCode2DParams(code,
                            [&](std::string_view record, const auto& params, auto fields, int) {
                                dumpTextFields(out, code.fontName, params, fields, record);
                            });
    }
}

std::optional<int> parseInteger(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

template <class Record>
bool assignTextField(Record& record, std::span<const TextField<Record>> fields,
                     std::string_view name, const std::string& value) {
    for (const TextField<Record>& field : fields) {
        if (field.name == name) {
            record.*field.member = value;
            return true;
        }
    }
    return false;
}

// Assigns one FIELD=VALUE to the named font's record; an error text when the
// assignment is not accepted.
std::optional<std::string> assign(SettingsStore& store, const std::string& fontCp932,
                                  std::string_view field, const std::string& valueUtf8) {
    std::optional<std::string> value = cp932FromUtf8(valueUtf8);
    if (!value) return "value not representable in Shift-JIS: " + valueUtf8;
    const std::string unknownField = "unknown field: " + std::string(field);
    // The type index, checked against its table; nothing when out of range.
    auto typeIndex = [&](int count) -> std::optional<int> {
        std::optional<int> index = parseInteger(valueUtf8);
        if (!index || *index < 0 || *index >= count) return std::nullopt;
        return index;
    };
    auto rangeError = [&](int count) {
        return "typeIndex must be 0 to " + std::to_string(count - 1) + ": " + valueUtf8;
    };
    // Character and barcode records keep the type's name beside its index.
    auto assignNamedType =
        [&](auto& records, auto fields, int count,
            const std::string& (*typeName)(int)) -> std::optional<std::optional<std::string>> {
        for (auto& record : records) {
            if (record.fontName != fontCp932) continue;
            if (field != "typeIndex") {
                if (assignTextField(record, fields, field, *value))
                    return std::optional<std::string>();
                return std::optional<std::string>(unknownField);
            }
            std::optional<int> index = typeIndex(count);
            if (!index) return std::optional<std::string>(rangeError(count));
            record.typeIndex = *index;
            record.typeName = typeName(*index);
            return std::optional<std::string>();
        }
        return std::nullopt;  // not a font of this kind
    };
    if (auto done = assignNamedType(store.fonts, characterFontRecordFields(), kCharacterTypeCount,
                                    characterTypeName)) {
        return *done;
    }
    if (auto done = assignNamedType(store.barcodes, barcodeRecordFields(), kBarcodeTypeCount,
                                    barcodeTypeName)) {
        return *done;
    }
    for (Code2DRecord& code : store.codes2D) {
        if (code.fontName != fontCp932) continue;
        if (field == "typeIndex") {
            std::optional<int> index = typeIndex(kCode2DTypeCount);
            if (!index) return rangeError(kCode2DTypeCount);
            code.typeIndex = *index;
            return std::nullopt;
        }
        bool done = false;
        forEachCode2DParams(code, [&](std::string_view record, auto& params, auto fields, int) {
            std::string_view rest = field;
            if (done || rest.substr(0, record.size()) != record ||
                rest.substr(record.size(), 1) != ".") {
                return;
            }
            done = assignTextField(params, fields, rest.substr(record.size() + 1), *value);
        });
        return done ? std::nullopt : std::optional<std::string>(unknownField);
    }
    return "unknown driver font: " + utf8FromCp932(fontCp932);
}

int usageError(std::ostream& err, std::string_view message) {
    err << "dvftool: " << message << "\n\n" << kUsage;
    return kExitUsage;
}

}  // namespace

int runDvfTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return usageError(err, "no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kExitDone;
    }
    const bool known =
        command == "check" || command == "dump" || command == "save" || command == "set";
    if (!known) return usageError(err, "unknown command: " + command);
    if (args.size() < 2) return usageError(err, "no file given");
    if (command != "set" && args.size() != 2) return usageError(err, "too many arguments");
    if (command == "set" && args.size() < 4)
        return usageError(err, "set needs FONT and FIELD=VALUE");

    const std::filesystem::path path = pathFromUtf8(args[1]);
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        err << "dvftool: cannot read the driver font file: " << args[1] << '\n';
        return kExitUnreadable;
    }
    const IniDocument file(std::move(*bytes));
    if (!isSupportedFileVersion(file)) {
        out << kVersionMismatch << '\n';
        return kExitVersion;
    }
    if (command == "check") {
        out << "ok\n";
        return kExitDone;
    }
    SettingsStore store;
    loadDriverFontFile(file, store);
    if (command == "dump") {
        dump(out, store);
        return kExitDone;
    }
    if (command == "set") {
        std::optional<std::string> font = cp932FromUtf8(args[2]);
        if (!font) return usageError(err, "unknown driver font: " + args[2]);
        for (std::size_t i = 3; i < args.size(); ++i) {
            std::size_t eq = args[i].find('=');
            if (eq == std::string::npos) return usageError(err, "expected FIELD=VALUE: " + args[i]);
            std::optional<std::string> problem = assign(
                store, *font, std::string_view(args[i]).substr(0, eq), args[i].substr(eq + 1));
            if (problem) return usageError(err, *problem);
        }
    }
    if (saveDriverFontFile(store, path) == SaveOutcome::Saved) {
        out << kSavedMessage << '\n';
        return kExitDone;
    }
    out << kSaveFailedMessage << '\n';
    return kExitSaveFailed;
}

}  // namespace vx
