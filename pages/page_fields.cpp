#include "pages/page_fields.h"

#include <optional>
#include <stdexcept>

#include "settings/codepage.h"
#include "settings/leading_integer.h"
#include "settings/settings_store.h"

namespace vx {

PageFields::PageFields(std::span<const FieldBinding> bindings) {
    fields_.reserve(bindings.size());
    for (const FieldBinding& binding : bindings) fields_.push_back(Field{binding, {}, 0, -1, {}, {}});
}

int PageFields::indexOf(int id) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].binding.id == id) return static_cast<int>(i);
    }
    return -1;
}

std::size_t PageFields::checkedIndex(int id) const {
    const int index = indexOf(id);
    if (index < 0) throw std::out_of_range("no page field for control " + std::to_string(id));
    return static_cast<std::size_t>(index);
}

PageFields::Field& PageFields::at(int id) { return fields_[checkedIndex(id)]; }
const PageFields::Field& PageFields::at(int id) const { return fields_[checkedIndex(id)]; }

bool PageFields::binds(int id) const { return indexOf(id) >= 0; }

const std::string& PageFields::text(int id) const { return at(id).text; }
void PageFields::setText(int id, std::string_view text) { at(id).text = std::string(text); }
bool PageFields::flag(int id) const { return at(id).value != 0; }
void PageFields::setFlag(int id, bool ticked) { at(id).value = ticked ? 1 : 0; }
int PageFields::position(int id) const { return at(id).value; }
void PageFields::setPosition(int id, int position) { at(id).value = position; }

void PageFields::markChecked() {
    for (Field& field : fields_) {
        if (field.binding.kind == FieldKind::Edit) field.checkedText = field.text;
    }
}

void PageFields::markChecked(int id) {
    Field& field = at(id);
    field.checkedText = field.text;
}

bool PageFields::changedSinceCheck(int id) const {
    const Field& field = at(id);
    return field.text != field.checkedText;
}

void PageFields::take(const Controls& controls) {
    for (Field& field : fields_) {
        const int id = field.binding.id;
        switch (field.binding.kind) {
            case FieldKind::Edit:
                field.text = controls.text(id);
                break;
            case FieldKind::List:
                field.text = controls.selectedText(id);
                break;
            case FieldKind::Check:
                field.value = controls.checked(id) ? 1 : 0;
                break;
            case FieldKind::FontNameList:
                field.value = controls.selection(id);
                break;
        }
    }
}

void PageFields::show(Controls& controls) {
    for (Field& field : fields_) {
        const int id = field.binding.id;
        switch (field.binding.kind) {
            case FieldKind::Edit:
                controls.setText(id, field.text);
                break;
            case FieldKind::List:
                showList(controls, field);
                break;
            case FieldKind::Check:
                controls.setChecked(id, field.value != 0);
                break;
            case FieldKind::FontNameList:
                controls.select(id, field.value);
                break;
        }
    }
}

void PageFields::showList(Controls& controls, Field& field) {
    const int id = field.binding.id;
    if (field.temporaryItem >= 0 && field.temporaryText != field.text) {
        dropTemporaryItem(controls, field);
    }
    if (controls.selectByPrefix(id, field.text)) return;
    if (!field.binding.showsUnofferedValue || field.text.empty()) return;
    controls.insertItem(id, -1, field.text);
    field.temporaryItem = controls.itemCount(id) - 1;
    field.temporaryText = field.text;
    controls.select(id, field.temporaryItem);
}

void PageFields::dropTemporaryItem(Controls& controls, Field& field) {
    const int id = field.binding.id;
    if (field.temporaryItem >= 0 &&
        controls.itemText(id, field.temporaryItem) == field.temporaryText) {
        controls.removeItem(id, field.temporaryItem);
    }
    field.temporaryItem = -1;
    field.temporaryText.clear();
}

void PageFields::dropTemporaryItem(Controls& controls, int id) {
    dropTemporaryItem(controls, at(id));
}

void PageFields::userChose(Controls& controls, int id) {
    Field& field = at(id);
    if (field.temporaryItem >= 0 && controls.selection(id) != field.temporaryItem) {
        dropTemporaryItem(controls, field);
    }
}

bool PageFields::hasTemporaryItem(int id) const { return at(id).temporaryItem >= 0; }

std::string clampedText(std::string_view text, FieldRange range) {
    std::size_t begin = 0;
    while (begin < text.size() && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    text.remove_prefix(begin);
    int value = range.minimum;
    if (text.empty() || text.front() != '-') {
        // Reading a bounded prefix keeps an endless row of digits from
        // meaning anything; leadingInteger saturates within it in any case.
        const std::size_t readable =
            range.digits < 0 ? 0 : static_cast<std::size_t>(range.digits) + 1;
        value = leadingInteger(text.substr(0, readable));
        if (value < range.minimum) value = range.minimum;
        if (value > range.maximum) value = range.maximum;
    }
    return std::to_string(value);
}

void clampField(PageFields& fields, Controls& controls, int id, FieldRange range) {
    fields.take(controls);
    fields.setText(id, clampedText(fields.text(id), range));
    fields.show(controls);
}

std::string zeroPadded(std::string_view text, int width) {
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width)) return std::string(text);
    return std::string(static_cast<std::size_t>(width) - text.size(), '0').append(text);
}

std::string decimalText(std::string_view value) { return std::to_string(leadingInteger(value)); }

namespace {

// Length of the well-formed UTF-8 sequence at text[i], 0 when none starts
// there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    if (lead < 0x80) {
        length = 1;
    } else if ((lead >> 5) == 0x6) {
        length = 2;
    } else if ((lead >> 4) == 0xE) {
        length = 3;
    } else if ((lead >> 3) == 0x1E) {
        length = 4;
    }
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return 0;
    }
    return length;
}

}  // namespace

std::string recordText(std::string_view pageText) {
    if (std::optional<std::string> whole = cp932FromUtf8(pageText)) return *whole;
    // Some character cannot be written: convert one character at a time.
    std::string out;
    for (std::size_t i = 0; i < pageText.size();) {
        const std::size_t length = utf8SequenceLength(pageText, i);
        if (length == 0) {
            out += '?';
            ++i;
            continue;
        }
        std::optional<std::string> encoded = cp932FromUtf8(pageText.substr(i, length));
        out += encoded ? *encoded : std::string("?");
        i += length;
    }
    return out;
}

std::string pageText(std::string_view recordText) { return utf8FromCp932(recordText); }

std::string paddedRecordText(std::string_view pageText, int width) {
    return zeroPadded(recordText(pageText), width);
}

}  // namespace vx
