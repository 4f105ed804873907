// A setting page over in-memory controls, with the user's actions as
// one-line helpers. Each action changes the controls as the user would and
// gives the page the notification the window would route.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_store.h"
#include "tests/pages/fake_controls.h"

namespace vx {

template <class Page>
class PageTestBase : public ::testing::Test {
protected:
    PageTestBase(int fontNameList, int typeList)
        : fontNameList_(fontNameList), typeList_(typeList) {}

    void chooseFont(int n) {
        controls.select(fontNameList_, n);
        page.onListChanged(fontNameList_);
    }
    void chooseType(int typeIndex) {
        controls.select(typeList_, typeIndex);
        page.onListChanged(typeList_);
    }
    // Chooses the item with exactly this text.
    void choose(int list, std::string_view text) {
        for (int i = 0; i < controls.itemCount(list); ++i) {
            if (controls.itemText(list, i) == text) {
                controls.select(list, i);
                page.onListChanged(list);
                return;
            }
        }
        ADD_FAILURE() << "no item " << text << " in list " << list;
    }
    // Types into an edit and leaves it; returns what the edit then shows.
    std::string typeAndLeave(int edit, std::string_view text) {
        controls.setText(edit, text);
        page.onEditLostFocus(edit);
        return controls.text(edit);
    }
    void click(int box) {
        controls.setChecked(box, !controls.checked(box));
        page.onClicked(box);
    }
    std::vector<std::string> items(int list) const {
        std::vector<std::string> out;
        for (int i = 0; i < controls.itemCount(list); ++i) out.push_back(controls.itemText(list, i));
        return out;
    }

    SettingsStore store;
    FakeControls controls;
    Page page{store, controls};

private:
    int fontNameList_;
    int typeList_;
};

}  // namespace vx
