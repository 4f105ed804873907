// What the main window asks of every setting page.
#pragma once

namespace vx {

class SettingPage {
public:
    virtual ~SettingPage() = default;
    // Forgets the page's per-font memories and shows its current driver
    // font from the settings store.
    virtual void resetAndShow() = 0;
    // Moves the values of the page's controls into the record of its
    // current driver font.
    virtual void storeCurrent() = 0;
};

}  // namespace vx
