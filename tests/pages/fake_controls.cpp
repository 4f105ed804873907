#include "tests/pages/fake_controls.h"

namespace vx {

const FakeControls::Control& FakeControls::at(int id) const {
    static const Control none;
    auto it = controls_.find(id);
    return it == controls_.end() ? none : it->second;
}

std::string FakeControls::text(int id) const {
    const Control& c = at(id);
    // A list's window text is the text of its chosen item.
    return c.isList ? selectedText(id) : c.text;
}
void FakeControls::setText(int id, std::string_view text) {
    Control& c = at(id);
    if (!c.isList) c.text = std::string(text);  // a drop-down list ignores it
}
bool FakeControls::checked(int id) const { return at(id).checked; }
void FakeControls::setChecked(int id, bool checked) { at(id).checked = checked; }
bool FakeControls::enabled(int id) const { return at(id).enabled; }
void FakeControls::setEnabled(int id, bool enabled) { at(id).enabled = enabled; }

void FakeControls::setItems(int id, const std::vector<std::string>& items) {
    Control& c = at(id);
    c.isList = true;
    c.items = items;
    c.selection = -1;
}

void FakeControls::insertItem(int id, int position, std::string_view item) {
    Control& c = at(id);
    c.isList = true;
    if (position < 0 || position > static_cast<int>(c.items.size())) {
        position = static_cast<int>(c.items.size());
    }
    c.items.insert(c.items.begin() + position, std::string(item));
    if (c.selection >= position) ++c.selection;
}

void FakeControls::removeItem(int id, int position) {
    Control& c = at(id);
    if (position < 0 || position >= static_cast<int>(c.items.size())) return;
    c.items.erase(c.items.begin() + position);
    // As a real drop-down list: removing the chosen item leaves no choice.
    if (c.selection == position) {
        c.selection = -1;
    } else if (c.selection > position) {
        --c.selection;
    }
}

int FakeControls::itemCount(int id) const { return static_cast<int>(at(id).items.size()); }

std::string FakeControls::itemText(int id, int position) const {
    const Control& c = at(id);
    if (position < 0 || position >= static_cast<int>(c.items.size())) return {};
    return c.items[static_cast<std::size_t>(position)];
}

int FakeControls::selection(int id) const { return at(id).selection; }

void FakeControls::select(int id, int position) {
    Control& c = at(id);
    // As a real drop-down list: -1 clears the choice, a position outside the
    // list is refused and the choice stays.
    if (position >= -1 && position < static_cast<int>(c.items.size())) c.selection = position;
}

bool FakeControls::selectByPrefix(int id, std::string_view prefix) {
    Control& c = at(id);
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        if (std::string_view(c.items[i]).substr(0, prefix.size()) == prefix) {
            c.selection = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

void FakeControls::setSpinRange(int spinId, int minimum, int maximum) {
    at(spinId).range = {minimum, maximum};
}
std::pair<int, int> FakeControls::spinRange(int spinId) const { return at(spinId).range; }

}  // namespace vx
