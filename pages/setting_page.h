// What the main window asks of every setting page, and the notifications of
// the page's controls that the window routes to it. Controls without a
// reaction ignore them, so the window may route every such notification.
#pragma once

namespace vx {

struct SettingsStore;

// The three pages, in the order of the main window's tabs.
enum class PageKind { Barcode, Code2D, CharacterFont };
inline constexpr int kPageCount = 3;

class SettingPage {
public:
    virtual ~SettingPage() = default;
    // Run once when the page's controls exist: fills the lists, sets the
    // up-down ranges, chooses the first driver font and shows it.
    virtual void create() = 0;
    // Forgets the page's per-font memories and shows its current driver
    // font from the settings store.
    virtual void resetAndShow() = 0;
    // Moves the values of the page's controls into the record of its
    // current driver font.
    virtual void storeCurrent() = 0;
    // The same into the record of the current driver font in `copy`, while
    // the page, its memories and its store stay as they are (a sheet of the
    // values shown, unsaved ones included).
    virtual void storeCurrentInto(SettingsStore& copy) = 0;
    // Whether the page holds values other than those it showed since its
    // last resetAndShow: on the font shown, or stored into the record of
    // another. What the page itself changes in showing a value (a number
    // padded, a list's fallback) is no edit.
    virtual bool holdsEdits() = 0;
    // What the page holds has been saved: from now on only later changes
    // are edits.
    virtual void acceptEdits() = 0;

    // Notifications of the user's doing.
    virtual void onListChanged(int id) = 0;    // a list's new choice
    virtual void onListOpened(int id) = 0;     // a list dropped down
    virtual void onListLostFocus(int id) = 0;  // a list lost the focus
    virtual void onClicked(int id) = 0;        // a check box clicked
    virtual void onEditLostFocus(int id) = 0;  // an edit lost the focus
};

}  // namespace vx
