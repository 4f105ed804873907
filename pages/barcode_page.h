// The 1D barcode page: shows one of the 20 barcode driver fonts at a time
// and moves its values between the controls and the font's record, with
// the controls each barcode type uses, the check-digit entries the type
// offers, and the price check digit set aside while a type cannot hold it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "pages/row_page.h"

namespace vx {

// The page's rows in tab order: the left column (font name, type, lists),
// then the right column (numeric edits).
std::span<const ControlRow<BarcodeRecord>> barcodePageRows();

class BarcodePage : public RowPage<BarcodeRecord> {
public:
    BarcodePage(SettingsStore& store, Controls& controls);

    // Per driver font: the check-digit text set aside when a type change
    // turned a code "4" into "3"; empty when nothing is set aside.
    const PerFontMemory<std::string>& rememberedCheckDigit() const { return rememberedCheckDigit_; }

private:
    std::string typeText(const BarcodeRecord& record) const override;
    void storeType(BarcodeRecord& record, std::string_view typeText) override;
    void storeSteps(BarcodeRecord& record) override;
    void showSteps(BarcodeRecord& record) override;
    void applyTypeRules() override;
    void changeType() override;
    int shownTypeIndex() const override;

    void rebuildCheckDigitList();

    PerFontMemory<std::string>& rememberedCheckDigit_;
};

}  // namespace vx
