#include "preview/symbol_preview.h"

#include "preview/symbol_layout.h"
#include "settings/leading_integer.h"

namespace vx {

namespace {

// Where and how the record places its symbol.
struct Placement {
    const std::string* originX;
    const std::string* originY;
    const std::string* rotation;  // nullptr for a type without rotation
};

std::optional<double> originMm(const std::string& text) {
    if (text == kDefault) return std::nullopt;
    return leadingInteger(text) / 10.0;
}

SymbolPreview drawn(const SymbolPlan& plan, std::string data, const Placement& placement,
                    const PreviewSettings& settings) {
    SymbolPreview preview;
    preview.data = std::move(data);
    preview.notes = plan.notes;
    if (placement.rotation != nullptr) {
        const std::string& code = *placement.rotation;
        preview.rotationAutomatic = code != "0" && code != "1" && code != "2" && code != "3";
        preview.quarterTurns = preview.rotationAutomatic ? 0 : code[0] - '0';
    }

    if (!plan.refusal.empty()) {
        preview.error = plan.refusal;
        return preview;
    }
    const EncodeResult encoded = encodeWithZint(plan.request);
    if (!encoded.grid) {
        preview.error = encoded.message;
        return preview;
    }
    preview.geometry =
        rotated(layOutSymbol(plan, *encoded.grid, settings.dpi), preview.quarterTurns);
    placeOnLabel(preview, *placement.originX, *placement.originY, settings);
    return preview;
}

}  // namespace

void placeOnLabel(SymbolPreview& preview, const std::string& originX, const std::string& originY,
                  const PreviewSettings& settings) {
    preview.originXMm = originMm(originX);
    preview.originYMm = originMm(originY);
    preview.widthMm = mmFromDots(preview.geometry.width, settings.dpi);
    preview.heightMm = mmFromDots(preview.geometry.height, settings.dpi);
    if (settings.label) {
        // The driver decides an automatic origin; the corner is the best case.
        const double right = preview.originXMm.value_or(0) + preview.widthMm;
        const double bottom = preview.originYMm.value_or(0) + preview.heightMm;
        constexpr double kTolerance = 1e-6;
        preview.leavesLabel = right > settings.label->widthMm + kTolerance ||
                              bottom > settings.label->heightMm + kTolerance;
    }
}

SymbolPreview previewBarcode(const BarcodeRecord& record, const PreviewSettings& settings) {
    std::string data = settings.data.value_or(sampleBarcodeData(record));
    const SymbolPlan plan = barcodePlan(record, data, settings.dpi);
    return drawn(plan, std::move(data), {&record.originX, &record.originY, &record.rotation},
                 settings);
}

SymbolPreview previewCode2D(const Code2DRecord& record, const PreviewSettings& settings) {
    std::string data = settings.data.value_or(sampleCode2DData(record));
    const SymbolPlan plan = code2DPlan(record, data, settings.dpi);
    Placement placement{};
    visitCode2DParams(record, shownCode2DType(record), [&](const auto& params, auto) {
        placement.originX = &params.originX;
        placement.originY = &params.originY;
        if constexpr (requires { params.rotation; }) placement.rotation = &params.rotation;
    });
    return drawn(plan, std::move(data), placement, settings);
}

}  // namespace vx
