#include "pages/row_page.h"

#include <stdexcept>

#include "settings/codepage.h"

namespace vx {

namespace {

std::vector<std::string> pageTexts(int count, const std::string& (*name)(int)) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.push_back(pageText(name(i)));
    return out;
}

}  // namespace

template <class Record>
RowPage<Record>::RowPage(const PageDescription<Record>& description, SettingsStore& store,
                         Controls& controls)
    : description_(description),
      store_(store),
      controls_(controls),
      fields_(fieldBindings(description.rows)),
      memories_(description.fontCount),
      shownAs_(static_cast<std::size_t>(description.fontCount)) {
    for (const Row& r : description_.rows) {
        if (r.kind == ControlKind::NumericEdit && r.autoBox != 0) {
            rememberedTexts_.emplace_back(r.id, &memories_.add(std::string(r.rememberedInitially)));
        }
    }
}

template <class Record>
const typename RowPage<Record>::Row* RowPage<Record>::row(int id) const {
    for (const Row& r : description_.rows) {
        if (r.id == id) return &r;
    }
    return nullptr;
}

template <class Record>
const typename RowPage<Record>::Row* RowPage<Record>::editOfBox(int box) const {
    for (const Row& r : description_.rows) {
        if (r.kind == ControlKind::NumericEdit && r.autoBox == box) return &r;
    }
    return nullptr;
}

template <class Record>
PerFontMemory<std::string>& RowPage<Record>::rememberedTextOf(int edit) const {
    for (const auto& [id, memory] : rememberedTexts_) {
        if (id == edit) return *memory;
    }
    throw std::out_of_range("no remembered text for control " + std::to_string(edit));
}

template <class Record>
const PerFontMemory<std::string>& RowPage<Record>::rememberedText(int edit) const {
    return rememberedTextOf(edit);
}

template <class Record>
void RowPage<Record>::react(PageEvent event, int id, std::function<void()> reaction) {
    reactions_.push_back({event, id, std::move(reaction)});
}

template <class Record>
void RowPage<Record>::runReactions(PageEvent event, int id) {
    for (const Reaction& reaction : reactions_) {
        if (reaction.event == event && reaction.id == id) reaction.run();
    }
}

template <class Record>
void RowPage<Record>::create() {
    for (const Row& r : description_.rows) {
        if (r.kind == ControlKind::FontNameList) {
            controls_.setItems(r.id, pageTexts(description_.fontCount, description_.fontName));
        } else if (r.kind == ControlKind::TypeList) {
            controls_.setItems(r.id, pageTexts(description_.typeCount, description_.typeName));
        } else if (r.kind == ControlKind::List && r.codes != nullptr) {
            controls_.setItems(r.id, r.codes->texts());
        } else if (r.kind == ControlKind::NumericEdit && r.spin != 0) {
            const auto [minimum, maximum] = r.spinRange();
            controls_.setSpinRange(r.spin, minimum, maximum);
        }
        if (r.kind == ControlKind::FontNameList) {
            fields_.setPosition(r.id, 0);
            controls_.select(r.id, 0);
        }
    }
    currentFont_ = 0;
    resetAndShow();
}

template <class Record>
void RowPage<Record>::resetAndShow() {
    memories_.reset();
    for (std::optional<Record>& shown : shownAs_) shown.reset();
    showCurrent();
}

template <class Record>
void RowPage<Record>::storeCurrent() {
    checkRanges();
    storeInto(record());
}

template <class Record>
void RowPage<Record>::storeCurrentInto(SettingsStore& copy) {
    description_.record(copy, currentFont_) = describedRecord();
}

template <class Record>
void RowPage<Record>::storeShown() {
    storeInto(record());
}

template <class Record>
bool RowPage<Record>::holdsEdits() {
    for (int font = 0; font < description_.fontCount; ++font) {
        const std::optional<Record>& shown = shownAs_[static_cast<std::size_t>(font)];
        if (!shown) continue;
        const Record now =
            font == currentFont_ ? describedRecord() : description_.record(store_, font);
        if (!(now == *shown)) return true;
    }
    return false;
}

template <class Record>
void RowPage<Record>::acceptEdits() {
    for (int font = 0; font < description_.fontCount; ++font) {
        std::optional<Record>& shown = shownAs_[static_cast<std::size_t>(font)];
        if (shown)
            shown = font == currentFont_ ? describedRecord() : description_.record(store_, font);
    }
}

template <class Record>
Record RowPage<Record>::describedRecord() {
    Record described = record();
    const PerFontMemories::Snapshot memories = memories_.snapshot();
    const PageFields shown = fields_;
    fields_.take(controls_);
    checkRangesOfFields();
    storeFieldsInto(described);
    fields_ = shown;
    memories_.restore(memories);
    return described;
}

template <class Record>
void RowPage<Record>::storeFields() {
    storeFieldsInto(record());
}

template <class Record>
void RowPage<Record>::storeInto(Record& r) {
    fields_.take(controls_);
    storeFieldsInto(r);
}

template <class Record>
bool RowPage<Record>::checkRangesOfFields() {
    bool corrected = false;
    const int focused = controls_.focused();
    for (const Row& row : description_.rows) {
        if (row.kind != ControlKind::NumericEdit || !controls_.enabled(row.id)) continue;
        if (row.autoBox != 0 && fields_.flag(row.autoBox)) continue;
        // A value shown from the record and left alone stays as it is; the
        // edit with the focus is checked as leaving it would check it.
        if (!fields_.changedSinceCheck(row.id) && row.id != focused) continue;
        const std::optional<FieldRange> range = rangeOf(row);
        if (!range) continue;
        const std::string checked = clampedText(fields_.text(row.id), *range);
        if (checked == fields_.text(row.id)) continue;
        fields_.setText(row.id, checked);
        corrected = true;
    }
    return corrected;
}

template <class Record>
void RowPage<Record>::checkRanges() {
    fields_.take(controls_);
    if (checkRangesOfFields()) fields_.show(controls_);
    fields_.markChecked();
}

template <class Record>
const FieldSpec* RowPage<Record>::specFor(const Row& row, int typeIndex) const {
    if (row.spec == nullptr) return nullptr;
    const FieldSpec* own = findFieldSpec(row.spec->kind, row.spec->name, typeIndex);
    // An entry that another control stands for (the two row heights of the
    // 2D page) is not this row's.
    for (const Row& other : description_.rows) {
        if (&other != &row && other.spec == own) return row.spec;
    }
    return own != nullptr ? own : row.spec;
}

template <class Record>
std::optional<FieldRange> RowPage<Record>::rangeOf(const Row& row) const {
    const FieldSpec* own = specFor(row, shownTypeIndex());
    if (own == nullptr || own == row.spec || own->form != FieldForm::Number) return row.range;
    return rangeOfSpec(*own);
}

template <class Record>
void RowPage<Record>::enableRow(const Row& row, bool usable) {
    enableControl(row, usable);
    if (row.autoBox != 0) controls_.setEnabled(row.autoBox, usable);
}

template <class Record>
void RowPage<Record>::enableRowOf(int id, bool usable) {
    if (const Row* r = row(id)) {
        enableRow(*r, usable);
    } else {
        controls_.setEnabled(id, usable);
    }
}

template <class Record>
void RowPage<Record>::enableControl(const Row& row, bool usable) {
    controls_.setEnabled(row.id, usable);
    if (row.spin != 0) controls_.setEnabled(row.spin, usable);
}

template <class Record>
void RowPage<Record>::enableRowsOfType(int typeIndex) {
    for (const Row& row : description_.rows) {
        if (row.spec == nullptr ||
            (row.kind != ControlKind::List && row.kind != ControlKind::NumericEdit)) {
            continue;
        }
        const FieldSpec* own = specFor(row, typeIndex);
        const bool used = typeIndex < 0 || own->types.contains(typeIndex);
        enableRow(row, used);
        // Every range of the type shown, whichever type set the last one.
        if (used && row.spin != 0 && own->form == FieldForm::Number) {
            controls_.setSpinRange(row.spin, row.spinMinimum.value_or(own->minimum), own->maximum);
        }
    }
}

template <class Record>
void RowPage<Record>::storeFieldsInto(Record& r) {
    for (const Row& row : description_.rows) {
        if (row.kind == ControlKind::TypeList) storeType(r, recordText(fields_.text(row.id)));
    }
    for (const Row& row : description_.rows) storeRow(row, r);
    storeSteps(r);
}

template <class Record>
void RowPage<Record>::storeRow(const Row& row, Record& r) {
    if (row.kind == ControlKind::NumericEdit && row.field) {
        const std::string& text = fields_.text(row.id);
        if (row.autoBox != 0) {
            rememberedTextOf(row.id)[currentFont_] = text;
            if (fields_.flag(row.autoBox)) {
                storeField(r, row.field, kDefault);
                return;
            }
        }
        storeField(r, row.field, paddedRecordText(text, row.width));
    } else if (row.kind == ControlKind::List && row.codes != nullptr) {
        const CodedEntry* entry = row.codes->entryFor(fields_.text(row.id));
        if (entry == nullptr) return;  // the record keeps its codes
        for (std::size_t i = 0; i < row.codeFields.size(); ++i) {
            if (row.codeFields[i]) storeField(r, row.codeFields[i], entry->codes[i]);
        }
    } else if (row.kind == ControlKind::List && row.field) {
        storeField(r, row.field, paddedRecordText(fields_.text(row.id), row.width));
    }
}

template <class Record>
void RowPage<Record>::showCurrent() {
    for (const Row& row : description_.rows) {
        if (row.kind != ControlKind::FontNameList) continue;
        const int chosen = fields_.position(row.id);
        if (chosen >= 0 && chosen < description_.fontCount) currentFont_ = chosen;
    }
    Record& r = record();
    for (const Row& row : description_.rows) {
        if (row.kind == ControlKind::TypeList) fields_.setText(row.id, typeText(r));
    }
    showSteps(r);
    for (const Row& row : description_.rows) showRow(row, r);
    applyTypeRules();
    applyAutoRules();
    fields_.show(controls_);
    fields_.markChecked();
    // A font shown again (after a type change, or coming back to it) keeps
    // what it was first shown as.
    std::optional<Record>& shown = shownAs_[static_cast<std::size_t>(currentFont_)];
    if (!shown) shown = describedRecord();
}

template <class Record>
void RowPage<Record>::showRow(const Row& row, const Record& r) {
    if (row.kind == ControlKind::NumericEdit && row.field) {
        const std::string& value = fieldValue(r, row.field);
        const bool automatic = value == kDefault;
        if (row.autoBox != 0) {
            fields_.setText(
                row.id, automatic ? rememberedTextOf(row.id)[currentFont_] : decimalText(value));
            fields_.setFlag(row.autoBox, automatic);
        } else if (automatic && !row.shownForDefault.empty()) {
            fields_.setText(row.id, row.shownForDefault);
        } else {
            fields_.setText(row.id, decimalText(value));
        }
    } else if (row.kind == ControlKind::List && row.codes != nullptr && row.codeFields[0]) {
        std::array<std::string_view, 3> values{};
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (row.codeFields[i]) values[i] = fieldValue(r, row.codeFields[i]);
        }
        fields_.setText(row.id, row.codes->textFor(values));
    } else if (row.kind == ControlKind::List && row.field) {
        fields_.setText(row.id, decimalText(fieldValue(r, row.field)));
    }
}

template <class Record>
void RowPage<Record>::applyAutoRule(const Row& edit) {
    enableControl(edit, controls_.enabled(edit.autoBox) && !fields_.flag(edit.autoBox));
}

template <class Record>
void RowPage<Record>::applyAutoRules() {
    for (const Row& r : description_.rows) {
        if (r.kind == ControlKind::NumericEdit && r.autoBox != 0) applyAutoRule(r);
    }
}

template <class Record>
void RowPage<Record>::changeType() {
    storeShown();
    showCurrent();
}

template <class Record>
void RowPage<Record>::onListChanged(int id) {
    const Row* r = row(id);
    if (r == nullptr) return;
    if (r->kind == ControlKind::FontNameList) {
        storeShown();  // into the font shown so far
        showCurrent();
        return;
    }
    if (r->kind == ControlKind::TypeList) {
        changeType();
        return;
    }
    fields_.userChose(controls_, id);
    runReactions(PageEvent::ListChanged, id);
}

template <class Record>
void RowPage<Record>::onListOpened(int id) {
    runReactions(PageEvent::ListOpened, id);
}

template <class Record>
void RowPage<Record>::onListLostFocus(int id) {
    runReactions(PageEvent::ListLostFocus, id);
}

template <class Record>
void RowPage<Record>::onClicked(int id) {
    if (const Row* edit = editOfBox(id)) {
        fields_.take(controls_);
        applyAutoRule(*edit);
        fields_.show(controls_);
    }
    runReactions(PageEvent::Clicked, id);
}

template <class Record>
void RowPage<Record>::onEditLostFocus(int id) {
    const Row* r = row(id);
    if (r == nullptr || r->kind != ControlKind::NumericEdit) return;
    runReactions(PageEvent::EditLostFocus, id);
    if (const std::optional<FieldRange> range = rangeOf(*r)) {
        clampField(fields_, controls_, id, *range);
    }
    fields_.markChecked(id);
}

template class RowPage<CharacterFontRecord>;
template class RowPage<BarcodeRecord>;
template class RowPage<Code2DRecord>;

}  // namespace vx
