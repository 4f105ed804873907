// The controls of a page as the page logic sees them: addressed by control
// ID, texts in UTF-8. The window implements this over real controls, the
// tests in memory; one contract test suite keeps the two alike.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

class Controls {
public:
    virtual ~Controls() = default;

    // Edits (and static texts): the text as shown.
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, std::string_view text) = 0;

    // Check boxes.
    virtual bool checked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;

    // Every control.
    virtual bool enabled(int id) const = 0;
    virtual void setEnabled(int id, bool enabled) = 0;

    // Drop-down lists. Positions are 0-based; -1 means no choice.
    virtual void setItems(int id, const std::vector<std::string>& items) = 0;
    virtual void insertItem(int id, int position, std::string_view item) = 0;  // -1: at the end
    virtual void removeItem(int id, int position) = 0;
    virtual int itemCount(int id) const = 0;
    virtual std::string itemText(int id, int position) const = 0;
    virtual int selection(int id) const = 0;
    virtual void select(int id, int position) = 0;
    // Chooses the first item, from the top, whose text begins with `prefix`;
    // keeps the present choice and returns false when none does.
    virtual bool selectByPrefix(int id, std::string_view prefix) = 0;
    // The text of the chosen item, empty without a choice.
    std::string selectedText(int id) const {
        int position = selection(id);
        return position < 0 ? std::string() : itemText(id, position);
    }

    // Spin buttons (up-down controls), addressed by their own ID.
    virtual void setSpinRange(int spinId, int minimum, int maximum) = 0;
    virtual std::pair<int, int> spinRange(int spinId) const = 0;

    // The page's control that has the keyboard focus; 0 when none has it.
    virtual int focused() const = 0;
};

}  // namespace vx
