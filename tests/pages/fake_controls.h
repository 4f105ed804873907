// Controls held in memory, for the page logic's tests. Behaves as the
// window's controls do (see the controls contract tests).
#pragma once

#include <map>

#include "pages/controls.h"

namespace vx {

class FakeControls : public Controls {
public:
    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    bool enabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    void setItems(int id, const std::vector<std::string>& items) override;
    void insertItem(int id, int position, std::string_view item) override;
    void removeItem(int id, int position) override;
    int itemCount(int id) const override;
    std::string itemText(int id, int position) const override;
    int selection(int id) const override;
    void select(int id, int position) override;
    bool selectByPrefix(int id, std::string_view prefix) override;
    void setSpinRange(int spinId, int minimum, int maximum) override;
    std::pair<int, int> spinRange(int spinId) const override;
    int focused() const override { return focus_; }
    // The control the user put the focus into; 0 for none.
    void setFocus(int id) { focus_ = id; }

private:
    struct Control {
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool isList = false;  // once given items
        std::vector<std::string> items;
        int selection = -1;
        std::pair<int, int> range{100, 0};  // a new spin button's range: 100 down to 0
    };
    Control& at(int id) { return controls_[id]; }
    const Control& at(int id) const;

    std::map<int, Control> controls_;
    int focus_ = 0;
};

}  // namespace vx
