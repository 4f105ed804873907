#include "cli/dvftool_json.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <set>

#include "settings/codepage.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

using Json = nlohmann::ordered_json;

// A field's value as JSON: the type index as a number, text as UTF-8.
Json fieldJson(std::string_view field, const std::string& value) {
    if (field == kTypeIndexField) return Json(leadingInteger(value));
    return Json(utf8FromCp932(value));
}

std::string text(const Json& json) {
    // Names and values come decoded already; a printer name that the
    // spooler reports with a lone surrogate must not end the listing.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string fontsJson(const std::vector<FontFields>& fonts) {
    Json list = Json::array();
    for (const FontFields& font : fonts) {
        Json object = {{kFontMember, utf8FromCp932(font.fontName)}};
        for (const FieldValue& field : font.fields) {
            object[field.name] = fieldJson(field.name, field.value);
        }
        list.push_back(std::move(object));
    }
    return text(list);
}

std::string differencesJson(const std::vector<FontDifferences>& fonts) {
    Json list = Json::array();
    for (const FontDifferences& font : fonts) {
        Json object = {{kFontMember, utf8FromCp932(font.fontName)}};
        for (const FieldDifference& field : font.fields) {
            object[field.name] = {{"a", fieldJson(field.name, field.a)},
                                  {"b", fieldJson(field.name, field.b)}};
        }
        list.push_back(std::move(object));
    }
    return text(list);
}

std::string printersJson(const std::vector<ListedPrinter>& printers) {
    Json list = Json::array();
    for (const ListedPrinter& printer : printers) {
        list.push_back({{"printer", printer.name},
                        {"driver", printer.driverName},
                        {"file", printer.file ? Json(utf8FromPath(*printer.file)) : Json()}});
    }
    return text(list);
}

namespace {

// The first member name that an object of the text gives twice: JSON leaves
// its meaning open, and taking either silently could write what the user
// did not mean.
std::optional<std::string> repeatedMember(std::string_view input) {
    std::vector<std::set<std::string>> open;
    std::optional<std::string> repeated;
    const Json::parser_callback_t watch = [&](int, nlohmann::json::parse_event_t event,
                                              Json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if (event == Event::object_start) open.emplace_back();
        if (event == Event::object_end && !open.empty()) open.pop_back();
        if (event == Event::key && !open.empty() && !repeated &&
            !open.back().insert(parsed.get<std::string>()).second) {
            repeated = parsed.get<std::string>();
        }
        return true;
    };
    const Json ignored = Json::parse(input, watch, false);
    return repeated;
}

}  // namespace

std::variant<std::vector<JsonAssignment>, std::string> parseFontsJson(std::string_view input) {
    const Json json = Json::parse(input, nullptr, false);
    if (json.is_discarded()) return std::string("JSON として読めません。");
    if (const std::optional<std::string> repeated = repeatedMember(input)) {
        return "同じオブジェクトに \"" + *repeated +
               "\" が二度あります。どちらの値を使うか決められないため、一つにしてください。";
    }
    if (!json.is_array())
        return std::string("dump --json と同じ形（フォントの配列）で書いてください。");
    std::vector<JsonAssignment> assignments;
    std::set<std::string> fonts;
    for (const Json& font : json) {
        if (!font.is_object()) return std::string("フォントごとにオブジェクトで書いてください。");
        auto name = font.find(kFontMember);
        if (name == font.end() || !name->is_string()) {
            return std::string("\"font\"（ドライバフォント名）のないオブジェクトがあります。");
        }
        const std::string fontName = name->get<std::string>();
        // Two objects of one font are as open as a member given twice.
        if (!fonts.insert(fontName).second) {
            return "\"" + fontName +
                   "\" のオブジェクトが二つあります。どちらの値を使うか決められないため、"
                   "一つにしてください。";
        }
        for (const auto& [field, value] : font.items()) {
            if (field == kFontMember) continue;
            const std::string where = fontName + " " + field;
            if (field == kTypeIndexField) {
                if (!value.is_number_integer()) return where + ": 整数で書いてください。";
                assignments.push_back({fontName, field, value.dump()});
            } else {
                if (!value.is_string()) return where + ": 文字列で書いてください。";
                assignments.push_back({fontName, field, value.get<std::string>()});
            }
        }
    }
    return assignments;
}

// A field that JSON gives as the file already shows it stays untouched, so
// that bytes shown as replacement characters survive a round trip.
bool showsAs(const std::vector<FontFields>& shown, const std::string& fontCp932,
             const JsonAssignment& assignment) {
    for (const FontFields& font : shown) {
        if (font.fontName != fontCp932) continue;
        for (const FieldValue& field : font.fields) {
            if (field.name == assignment.field)
                return utf8FromCp932(field.value) == assignment.value;
        }
    }
    return false;
}

}  // namespace vx
