// The 2D code page: shows one of the 10 2D code driver fonts at a time. A
// font keeps parameters for all six types; the values that several types
// share (origins, module width, rotation, columns/rows, row height) are
// stored into every parameter record that has them, so that a change of
// type keeps them, and a type change fits the module width and the
// columns/rows into the new type's range, remembering what it replaced.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pages/code2d_lists.h"
#include "pages/row_page.h"

namespace vx {

// The page's rows in tab order.
std::span<const ControlRow<Code2DRecord>> code2DPageRows();

class Code2DPage : public RowPage<Code2DRecord> {
public:
    Code2DPage(SettingsStore& store, Controls& controls);

    void create() override;

    // The type shown, by which the module width and the columns/rows are
    // checked.
    Code2DType currentType() const { return shownCode2DType(record()); }

    // Per font: the module width and columns/rows that a type change
    // replaced ("" when none is kept).
    const PerFontMemory<std::string>& rememberedModuleWidth() const {
        return rememberedModuleWidth_;
    }
    const PerFontMemory<std::string>& rememberedColumnRowCount() const {
        return rememberedColumnRowCount_;
    }

private:
    std::string typeText(const Code2DRecord& record) const override;
    void storeType(Code2DRecord& record, std::string_view typeText) override;
    void applyTypeRules() override;
    void changeType() override;
    int shownTypeIndex() const override;
    std::optional<FieldRange> rangeOf(const Row& row) const override;

    // Sets a value of the current font in every record that has it.
    void setEverywhere(int control, std::string_view text);
    // Fits the module width and the columns/rows to the type just stored.
    void fitToType();
    // Brings a value into a range, remembering the text it replaced.
    void fitInto(int control, const FieldRange& range, std::string& memory);
    // Gives a value the text remembered for it, if any, and forgets it.
    void bringBack(int control, std::string& memory);

    PerFontMemory<std::string>& rememberedModuleWidth_;
    PerFontMemory<std::string>& rememberedColumnRowCount_;
};

}  // namespace vx
