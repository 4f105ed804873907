#include "pages/record_fields.h"

#include <stdexcept>
#include <type_traits>

namespace vx {

namespace {

// The field of this name in one type's parameter record.
template <class Code2D>
auto* namedField(Code2D& record, Code2DType type, std::string_view name) {
    using Text = std::conditional_t<std::is_const_v<Code2D>, const std::string, std::string>;
    Text* found = nullptr;
    visitCode2DParams(record, type, [&](auto& params, auto fields) {
        for (const auto& field : fields) {
            if (field.name == name) found = &(params.*field.member);
        }
    });
    if (found == nullptr) {
        throw std::logic_error("no field " + std::string(name) + " in the parameters of type " +
                               std::to_string(typeIndexOf(type)));
    }
    return found;
}

}  // namespace

const std::string& fieldValue(const Code2DRecord& record, const Code2DField& field) {
    const Code2DType own = shownCode2DType(record);
    return *namedField(record, field.types.contains(own) ? own : field.shownOtherwise, field.name);
}

void storeField(Code2DRecord& record, const Code2DField& field, std::string_view value) {
    for (const Code2DTypeRow& row : kCode2DTypes) {
        if (field.types.contains(row.type)) *namedField(record, row.type, field.name) = value;
    }
}

}  // namespace vx
