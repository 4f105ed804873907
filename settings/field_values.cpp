#include "settings/field_values.h"

#include <algorithm>
#include <vector>

#include "settings/codepage.h"
#include "settings/field_codes.h"
#include "settings/field_specs.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int digitCount(int number) {
    int count = 1;
    while (number >= 10) {
        number /= 10;
        ++count;
    }
    return count;
}

std::string padded(int number, int width) {
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
    return text;
}

// An entry's text without the blank that some list texts end with.
std::string_view entryText(const CodedEntry& entry) {
    std::string_view text = entry.text;
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The number of a text of at most `longest` decimal digits.
std::optional<int> numberOf(std::string_view text, int longest) {
    if (!allDigits(text) || static_cast<int>(text.size()) > longest) return std::nullopt;
    int value = 0;
    for (const char c : text) value = value * 10 + (c - '0');
    return value;
}

std::optional<std::string> storedNumber(const FieldSpec& spec, std::string_view value) {
    if (spec.allowsDefault && value == codes::kDefault) return std::string(codes::kDefault);
    const int longest = std::max(spec.width, digitCount(spec.maximum));
    const std::optional<int> number = numberOf(value, longest);
    if (!number || *number < spec.minimum || *number > spec.maximum) return std::nullopt;
    return padded(*number, spec.width);
}

}  // namespace

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string acceptedValues(const FieldSpec& spec) {
    std::string text;
    if (spec.form == FieldForm::Code) {
        std::vector<std::string_view> seen;
        for (const CodedEntry& entry : spec.entries) {
            const std::string_view code = entry.codes[static_cast<std::size_t>(spec.column)];
            if (std::find(seen.begin(), seen.end(), code) != seen.end()) continue;
            seen.push_back(code);
            if (!text.empty()) text += ", ";
            text += std::string(code) + " (" + std::string(entryText(entry)) + ")";
        }
        return text;
    }
    text = std::to_string(spec.minimum) + "〜" + std::to_string(spec.maximum);
    if (!spec.unit.empty()) text += " (" + std::string(spec.unit) + ")";
    if (spec.allowsDefault) {
        const std::string_view shown = spec.shownForDefault.empty() ? "0" : spec.shownForDefault;
        text += "、または default (" + std::string(shown) + ")";
    }
    return text;
}

std::optional<std::string> storedValue(const FieldSpec& spec, std::string_view value) {
    switch (spec.form) {
        case FieldForm::Number:
            return storedNumber(spec, value);
        case FieldForm::Code:
            for (const CodedEntry& entry : spec.entries) {
                if (entry.codes[static_cast<std::size_t>(spec.column)] == value) {
                    return std::string(value);
                }
            }
            return std::nullopt;
        case FieldForm::Composite:
        case FieldForm::Type:
        case FieldForm::Fixed:
        case FieldForm::Working:
            break;
    }
    return std::nullopt;
}

namespace {

// How many two-digit numbers (1 to 99) a decoration's parameters hold.
std::optional<int> decorationNumbers(std::string_view decoration) {
    if (decoration == codes::kReversed || decoration == codes::kFramed) return 2;
    if (decoration == codes::kStruck) return 1;
    if (decoration == codes::kPlain) return 0;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> storedDecorationParams(std::string_view decoration,
                                                  std::string_view value) {
    const std::optional<int> numbers = decorationNumbers(decoration);
    if (!numbers) return std::nullopt;
    if (*numbers == 0) {
        return value == codes::kDefault ? std::optional<std::string>(codes::kDefault)
                                        : std::nullopt;
    }
    if (!allDigits(value) || static_cast<int>(value.size()) != 2 * *numbers) return std::nullopt;
    for (std::size_t at = 0; at < value.size(); at += 2) {
        const std::optional<int> number = numberOf(value.substr(at, 2), 2);
        if (!number || *number < 1) return std::nullopt;
    }
    return std::string(value);
}

std::string acceptedDecorationParams(std::string_view decoration) {
    const std::optional<int> numbers = decorationNumbers(decoration);
    if (!numbers) return "文字飾りが B, W, F, C のどれでもありません";
    if (*numbers == 0) return "default (黒文字)";
    if (*numbers == 1) return "01〜99 (ドット): 取り消し線先端の長さ";
    return "0101〜9999 (ドット): 横 2 桁と縦 2 桁、それぞれ 01〜99";
}

std::string decorationParamsLabel(std::string_view decoration) {
    if (decoration == codes::kReversed || decoration == codes::kFramed) {
        const bool reversed = decoration == codes::kReversed;
        const FieldSpec& x = reversed ? fields::kReverseAreaX : fields::kFrameGapX;
        const FieldSpec& y = reversed ? fields::kReverseAreaY : fields::kFrameGapY;
        return std::string(x.label) + " " + std::string(x.part) + "・" + std::string(y.part);
    }
    if (decoration == codes::kStruck) return std::string(fields::kStrikeEndLength.label);
    return std::string(fields::kDecorationParams.label);
}

std::string shownDecorationParams(std::string_view value) {
    if (value == codes::kDefault) return "なし";
    if (!allDigits(value) || value.size() % 2 != 0) return utf8FromCp932(value);
    std::string shown;
    for (std::size_t at = 0; at < value.size(); at += 2) {
        if (!shown.empty()) shown += "・";
        shown += std::to_string(*numberOf(value.substr(at, 2), 2));
    }
    return shown;
}

std::string shownValue(const FieldSpec& spec, std::string_view value,
                       std::span<const std::string_view> codes) {
    if (spec.form == FieldForm::Number) {
        // As the page's edit shows it: "default" as its box or its number
        // says, anything else as its leading decimal number.
        if (value == codes::kDefault && !spec.shownForDefault.empty()) {
            return std::string(spec.shownForDefault);
        }
        return std::to_string(leadingInteger(value));
    }
    if (value == codes::kDefault && spec.form != FieldForm::Code) return "自動";
    if (spec.form == FieldForm::Code) {
        for (const CodedEntry& entry : spec.entries) {
            bool same = entry.codes[static_cast<std::size_t>(spec.column)] == value;
            for (std::size_t i = 0; i < codes.size() && i < entry.codes.size() && same; ++i) {
                same = entry.codes[i].empty() || entry.codes[i] == codes[i];
            }
            if (same) return std::string(entryText(entry));
        }
        if (spec.shownForOther >= 0) {
            return std::string(entryText(spec.entries[static_cast<std::size_t>(spec.shownForOther)]));
        }
    }
    return utf8FromCp932(value);
}

}  // namespace vx
