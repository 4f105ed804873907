// Every record field described once: the name dvftool gives it, the page's
// label and unit, how its value is stored (a number zero-padded to its key's
// width within a range, or one of a list's codes), whether "default" (自動)
// is allowed, and the types that use it. The pages' control rows, dvftool's
// checks, the history comparison and the help's field table all read it.
//
// A field whose rules differ by type (a character font's sizes, the 2D
// codes' module width) has one entry per group of types, under one name.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "settings/coded_entry.h"

namespace vx {

enum class FontKind : char { Character, Barcode, Code2D };

// A set of type indexes of one kind.
class TypeSet {
public:
    constexpr TypeSet() = default;
    constexpr TypeSet(std::initializer_list<int> indexes) {
        for (const int index : indexes) bits_ |= bit(index);
    }
    // Type indexes first to last, both included.
    static constexpr TypeSet span(int first, int last) {
        TypeSet types;
        for (int index = first; index <= last; ++index) types.bits_ |= bit(index);
        return types;
    }
    constexpr TypeSet operator|(TypeSet other) const {
        TypeSet types = *this;
        types.bits_ |= other.bits_;
        return types;
    }
    constexpr TypeSet without(TypeSet other) const {
        TypeSet types = *this;
        types.bits_ &= ~other.bits_;
        return types;
    }
    constexpr bool contains(int index) const {
        return index >= 0 && index < 32 && (bits_ & bit(index)) != 0;
    }
    constexpr bool empty() const { return bits_ == 0; }

private:
    static constexpr std::uint32_t bit(int index) { return std::uint32_t{1} << index; }
    std::uint32_t bits_ = 0;
};

enum class FieldForm : char {
    Number,     // decimal digits within minimum..maximum, stored in `width` digits
    Code,       // one of the codes of `entries` (the code in position `column`)
    Composite,  // the decoration's parameters: two-digit numbers the decoration asks for
    Type,       // the font's type, by name or index
    Fixed,      // a constant of the record (a 2D parameter record's own type name)
    Working,    // a working value of the page, never written to the file
};

struct FieldSpec {
    FontKind kind = FontKind::Character;
    // As dvftool names it; a 2D code field without its record's name
    // ("moduleWidth" of "QrCodeParams.moduleWidth").
    std::string_view name;
    std::string_view label;  // the page's label
    // The label beside the control where the page's label heads a pair of
    // controls ("横" and "縦" under "白抜き文字外エリア"); empty otherwise.
    std::string_view part = {};
    std::string_view unit = {};
    FieldForm form = FieldForm::Number;
    int width = 0;  // stored digits ("%0Ns"); 0 keeps the text as it stands
    int minimum = 0, maximum = 0;
    // How many digits the page's edit reads before its range check
    // saturates; 0: the stored width.
    int digits = 0;
    bool allowsDefault = false;  // "default" (自動)
    // What the page shows for "default": "自動" where a ticked box says it,
    // else the number its edit shows; empty: the number 0.
    std::string_view shownForDefault = {};
    std::span<const CodedEntry> entries = {};
    int column = 0;  // the code of an entry that this field holds
    // The entry the page's list shows for a code no entry has; -1: the list
    // shows such a code as it stands (an item it adds for it).
    int shownForOther = -1;
    TypeSet types;   // the type indexes that use it

    constexpr int typedDigits() const { return digits != 0 ? digits : width; }
};

// Every entry of a kind, in record order (a 2D code's fields in the order
// of its parameter records).
std::span<const FieldSpec* const> fieldCatalogue(FontKind kind);

// The entry of a field for a type: the one whose types hold the type, else
// the first of that name (whose types then tell that the type does not use
// it); nullptr for a name the kind does not have.
const FieldSpec* findFieldSpec(FontKind kind, std::string_view name, int typeIndex);

// The page's words for a field: its label, and after a blank the part
// beside its control where it has one ("白抜き文字外エリア 横").
std::string fieldLabel(const FieldSpec& spec);

// The key a field of a type is written under; empty when the type writes
// no such key. 2D codes: the key of the type's parameter record.
std::string_view fieldKey(const FieldSpec& spec, int typeIndex);

// The number of value characters a key announces: one per group of "p", a
// letter and digits after its two-letter prefix, one for a key without such
// groups ("XBpe", "PCJ").
int keyWidth(std::string_view key);

}  // namespace vx
