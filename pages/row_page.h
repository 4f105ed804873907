// The skeleton that every setting page stands on: the font-name list and the
// type list, the driver font shown (`currentFont`), the page fields read
// from the page's control rows, the per-font memories, the moves between
// controls and record for every row that names its record field, the
// "自動" rule, the range checks, and the dispatch of the controls'
// notifications to the page's reactions.
//
// A page is then its rows, its coded lists, its own steps for what the rows
// cannot say (fields that depend on the type, values composed of several
// controls) and its type rules.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/control_rows.h"
#include "pages/controls.h"
#include "pages/page_fields.h"
#include "pages/per_font_memory.h"
#include "pages/setting_page.h"
#include "settings/settings_store.h"

namespace vx {

template <class Record>
struct PageDescription {
    std::span<const ControlRow<Record>> rows;
    int fontCount;
    const std::string& (*fontName)(int fontNumber);  // code page 932
    int typeCount;
    const std::string& (*typeName)(int typeIndex);  // code page 932
    Record& (*record)(SettingsStore& store, int fontNumber);
};

enum class PageEvent { ListChanged, ListOpened, ListLostFocus, Clicked, EditLostFocus };

template <class Record>
class RowPage : public SettingPage {
public:
    using Row = ControlRow<Record>;

    void create() override;
    void resetAndShow() override;
    // Stores the font shown, as a save does: the usable edit with the focus
    // and every one that the user changed since its last check are checked
    // first, as leaving them would; values shown from the record and left
    // alone are stored as they are.
    void storeCurrent() override;
    void storeCurrentInto(SettingsStore& copy) override;
    bool holdsEdits() override;
    void acceptEdits() override;
    // The record of the font shown as the next store would write it, while
    // the store and the page's memories stay as they are (for a preview
    // that follows the user's typing).
    Record describedRecord();
    // Makes the chosen font the one shown and fills the controls from its
    // record, applying the rules of its type.
    void showCurrent();

    void onListChanged(int id) override;
    void onListOpened(int id) override;
    void onListLostFocus(int id) override;
    void onClicked(int id) override;
    void onEditLostFocus(int id) override;

    int currentFont() const { return currentFont_; }
    std::span<const Row> rows() const { return description_.rows; }
    // The row of a control; nullptr for a control the page does not have.
    const Row* row(int id) const;
    // The text kept for a numeric edit with a "自動" box: what the edit
    // showed at the font's last store.
    const PerFontMemory<std::string>& rememberedText(int edit) const;

protected:
    RowPage(const PageDescription<Record>& description, SettingsStore& store, Controls& controls);

    Record& record() { return description_.record(store_, currentFont_); }
    const Record& record() const { return description_.record(store_, currentFont_); }
    Controls& controls() { return controls_; }
    PageFields& fields() { return fields_; }
    PerFontMemories& memoryRegistry() { return memories_; }

    // Registers what the page does when a control reports `event`. It runs
    // after the skeleton's own handling of a choice (the font change, the
    // type change, a temporary item leaving) and before an edit's range
    // check.
    void react(PageEvent event, int id, std::function<void()> reaction);

    // The type: its page text from the record, and storing a chosen text.
    virtual std::string typeText(const Record& record) const = 0;
    virtual void storeType(Record& record, std::string_view typeText) = 0;
    // The page's own steps, run after the rows' moves in storeCurrent and
    // before them in showCurrent (so that working values they derive are
    // shown by the rows).
    virtual void storeSteps(Record&) {}
    virtual void showSteps(Record&) {}
    // Enables the controls that the shown type uses; the "自動" rule runs
    // after it.
    virtual void applyTypeRules() {}
    // A new choice in the type list. Stores under the new type and shows.
    virtual void changeType();
    // The range that leaving a numeric edit, or a store, enforces; none
    // skips the check. The row's own range, unless the catalogue gives the
    // shown type a range of its own.
    virtual std::optional<FieldRange> rangeOf(const Row& row) const;
    // The type index of the font shown; -1 for a type outside the table.
    virtual int shownTypeIndex() const = 0;

    // The catalogue's entry of a row's field for a type; the row's own when
    // the type has none of that name or another row stands for it.
    const FieldSpec* specFor(const Row& row, int typeIndex) const;
    // Enables a row: its control with its up-down control and its "自動"
    // box. The one way every page enables what a type or a choice uses.
    void enableRow(const Row& row, bool usable);
    // The same by the control's ID; a control without a row alone.
    void enableRowOf(int id, bool usable);
    // Enables each list and edit that names a field of the catalogue as far
    // as the type uses it (a type outside the table uses them all), and
    // gives every up-down control of a used edit the range of the type's
    // own entry.
    void enableRowsOfType(int typeIndex);

    // Stores the controls into the record of the font shown as they stand
    // (a font or type change: leaving an edit has checked it already).
    void storeShown();
    // Stores the page fields into the record as they stand, without reading
    // the controls (for a page that has fitted its fields first).
    void storeFields();

    // The same, for the page's own steps to keep (edits without a record
    // field of their own).
    PerFontMemory<std::string>& rememberedTextOf(int edit) const;

    // An edit with a "自動" box is usable while the box is usable and
    // unticked.
    void applyAutoRules();
    void applyAutoRule(const Row& edit);

private:
    struct Reaction {
        PageEvent event;
        int id;
        std::function<void()> run;
    };
    void runReactions(PageEvent event, int id);
    // A row's control and its up-down control, without its "自動" box
    // (which decides about them).
    void enableControl(const Row& row, bool usable);
    void storeInto(Record& record);
    // The range check of every usable edit changed since its last check,
    // and of the one with the focus, on the page fields (true when one was
    // corrected), and shown in the controls.
    bool checkRangesOfFields();
    void checkRanges();
    void storeFieldsInto(Record& record);
    void storeRow(const Row& row, Record& record);
    void showRow(const Row& row, const Record& record);
    const Row* editOfBox(int box) const;

    PageDescription<Record> description_;
    SettingsStore& store_;
    Controls& controls_;
    PageFields fields_;
    PerFontMemories memories_;
    std::vector<std::pair<int, PerFontMemory<std::string>*>> rememberedTexts_;
    std::vector<Reaction> reactions_;
    int currentFont_ = 0;
    // Per font: the record as a store would write it when the page first
    // showed the font since its last reset, or since the last save.
    std::vector<std::optional<Record>> shownAs_;
};

}  // namespace vx
