// The record field that a control row names. A character font or barcode
// row names a member of its record; a 2D code row names a field of one
// type's parameter record, or a field that the records of several types
// share: stored into each of them, so that a change of type keeps it, and
// shown from the record of the font's own type.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "settings/settings_store.h"

namespace vx {

// A set of 2D code types.
class Code2DTypes {
public:
    constexpr Code2DTypes() = default;
    constexpr Code2DTypes(std::initializer_list<Code2DType> types) {
        for (const Code2DType type : types) bits_ |= bit(type);
    }
    // Every type of the table, so that a type added there is among them.
    static constexpr Code2DTypes all() {
        Code2DTypes types;
        for (const Code2DTypeRow& row : kCode2DTypes) types.bits_ |= bit(row.type);
        return types;
    }
    constexpr Code2DTypes without(Code2DType type) const {
        Code2DTypes types = *this;
        types.bits_ &= ~bit(type);
        return types;
    }
    constexpr bool contains(Code2DType type) const { return (bits_ & bit(type)) != 0; }

private:
    static_assert(kCode2DTypeCount <= 32);
    static constexpr unsigned bit(Code2DType type) { return 1u << typeIndexOf(type); }
    unsigned bits_ = 0;
};

struct Code2DField {
    std::string_view name;  // as the parameter records name it (dvftool's field names)
    Code2DTypes types;      // the types whose records hold it
    // The record shown when the font's own type is not among them.
    Code2DType shownOtherwise = Code2DType::DataMatrix;

    constexpr explicit operator bool() const { return !name.empty(); }
};

// A field of one type's parameter record.
constexpr Code2DField fieldOf(Code2DType type, std::string_view name) {
    return {name, {type}, type};
}
// A field that the records of several types hold.
constexpr Code2DField sharedField(std::string_view name, Code2DTypes types,
                                  Code2DType shownOtherwise) {
    return {name, types, shownOtherwise};
}

// The value a row shows, and storing a value into the record.
template <class Record>
const std::string& fieldValue(const Record& record, std::string Record::*field) {
    return record.*field;
}
template <class Record>
void storeField(Record& record, std::string Record::*field, std::string_view value) {
    record.*field = value;
}
// A field that a type among its types lacks is a fault of the page's rows:
// std::logic_error.
const std::string& fieldValue(const Code2DRecord& record, const Code2DField& field);
void storeField(Code2DRecord& record, const Code2DField& field, std::string_view value);

template <class Record>
struct RecordFieldOf {
    using Type = std::string Record::*;
};
template <>
struct RecordFieldOf<Code2DRecord> {
    using Type = Code2DField;
};
template <class Record>
using RecordField = typename RecordFieldOf<Record>::Type;

}  // namespace vx
