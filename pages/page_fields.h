// The mechanics that every setting page shares: one page field per control,
// moved to and from the controls all at once (`take` and `show`), the range
// check of a numeric edit, the text forms of record values, and memories
// kept per driver font.
//
// Page fields hold the controls' texts (UTF-8); records hold the driver font
// file's bytes (code page 932). recordText and pageText convert between the
// two.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/controls.h"
#include "settings/field_catalogue.h"

namespace vx {

enum class FieldKind {
    Edit,          // the text as typed
    List,          // the text of the chosen item
    Check,         // 0 unticked, 1 ticked
    FontNameList,  // the position of the chosen item
};

struct FieldBinding {
    int id;
    FieldKind kind;
    // For a list whose items change with the font type: a value that the
    // list does not offer at the moment is shown as an extra item at the end
    // (the "temporary item") instead of leaving the previous choice standing,
    // so that the value stays visible and a store keeps it.
    bool showsUnofferedValue = false;
};

class PageFields {
public:
    explicit PageFields(std::span<const FieldBinding> bindings);

    // Whether the page bound a field to this control.
    bool binds(int id) const;

    // Texts of edits and lists. Asking for an ID that the page did not bind
    // is a programming error and throws std::out_of_range.
    const std::string& text(int id) const;
    void setText(int id, std::string_view text);
    // Check boxes.
    bool flag(int id) const;
    void setFlag(int id, bool ticked);
    // The font-name list.
    int position(int id) const;
    void setPosition(int id, int position);

    // What the user typed: an edit whose text differs from the text it held
    // when it was last checked (shown from the record, or corrected). Values
    // shown and left alone are not checked again; only typed ones are.
    void markChecked();        // every edit as it stands
    void markChecked(int id);  // one edit as it stands
    bool changedSinceCheck(int id) const;

    // Copies every control into its field.
    void take(const Controls& controls);
    // Copies every field into its control. A list chooses the first item
    // whose text begins with the field's text and otherwise keeps its
    // present choice (or, when bound so, shows a temporary item).
    void show(Controls& controls);

    // Removes the temporary item of a list, leaving the list with exactly
    // the items the page put into it. Run before counting or changing items.
    void dropTemporaryItem(Controls& controls, int id);
    // The user chose an item of a list: a temporary item that is not the
    // chosen one goes, since the value it showed has just been replaced.
    void userChose(Controls& controls, int id);
    bool hasTemporaryItem(int id) const;

private:
    struct Field {
        FieldBinding binding;
        std::string text;
        int value = 0;           // check state or position
        int temporaryItem = -1;  // position of the temporary item, -1 when none
        std::string temporaryText;
        std::string checkedText;  // an edit's text at its last check
    };

    int indexOf(int id) const;               // -1 when unbound
    std::size_t checkedIndex(int id) const;  // throws when unbound
    Field& at(int id);
    const Field& at(int id) const;
    void showList(Controls& controls, Field& field);
    static void dropTemporaryItem(Controls& controls, Field& field);

    std::vector<Field> fields_;
};

// The range of a numeric edit as its range check applies it: the value is
// clamped to minimum..maximum, and at most digits + 1 characters are read.
struct FieldRange {
    int minimum;
    int maximum;
    int digits;
};

// The range of a field of the catalogue as a page's range check applies it.
constexpr FieldRange rangeOfSpec(const FieldSpec& spec) {
    return {spec.minimum, spec.maximum, spec.typedDigits()};
}

// The corrected text of a numeric edit: leading blanks and tabs ignored, a
// leading "-" gives the minimum, otherwise the decimal integer of the first
// digits + 1 characters clamped to the range (letters count as 0), written
// without leading zeros. Any length of text is safe.
std::string clampedText(std::string_view text, FieldRange range);

// The range check run when a numeric edit loses the focus: take, correct
// the edit's field, show. Wrong entries are corrected silently.
void clampField(PageFields& fields, Controls& controls, int id, FieldRange range);

// The text right-aligned in `width` characters, filled with "0" on the left;
// a text as long or longer is returned whole. Numbers and other texts alike.
std::string zeroPadded(std::string_view text, int width);

// A record value as the page shows a number: its leading decimal integer
// (blanks and a sign accepted, 0 without digits) without leading zeros.
std::string decimalText(std::string_view value);

// Page text (UTF-8) to record text (code page 932). A character that the
// file's code page lacks becomes "?", as it would in any Windows program
// handing the text to the file.
std::string recordText(std::string_view pageText);
// Record text to page text; bytes that form no character become U+FFFD.
std::string pageText(std::string_view recordText);
// A page text as a record value padded to `width` bytes of the file.
std::string paddedRecordText(std::string_view pageText, int width);

}  // namespace vx
