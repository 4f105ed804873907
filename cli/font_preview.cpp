#include "cli/font_preview.h"

#include "cli/dvftool_commands.h"
#include "preview/svg_file.h"
#include "preview/svg_writer.h"
#include "preview/symbol_preview.h"
#include "printer/printer_binding.h"
#include "settings/font_names.h"

namespace vx {

namespace {

std::optional<SymbolPreview> previewOfFont(const SettingsStore& store, const std::string& font,
                                           const PreviewSettings& settings) {
    for (int n = 0; n < kCharacterFontCount; ++n) {
        if (characterFontName(n) == font) return previewCharacterFont(store.fonts[n], settings);
    }
    for (int n = 0; n < kBarcodeFontCount; ++n) {
        if (barcodeFontName(n) == font) return previewBarcode(store.barcodes[n], settings);
    }
    for (int n = 0; n < kCode2DFontCount; ++n) {
        if (code2DFontName(n) == font) return previewCode2D(store.codes2D[n], settings);
    }
    return std::nullopt;
}

}  // namespace

FontPreviewOutcome writeFontPreview(const SettingsStore& store, const std::string& fontCp932,
                                    const FontPreviewOptions& options) {
    PreviewSettings settings;
    settings.dpi = options.dpi;
    settings.data = options.data;
    const std::optional<SymbolPreview> preview = previewOfFont(store, fontCp932, settings);
    if (!preview) return {kExitUsage, "no driver font of this name", {}};
    if (!preview->error.empty()) return {kExitPrinter, "data refused: " + preview->error, {}};
    if (!saveSvgFile(pathFromUtf8(options.output), fontPreviewSvg(*preview, options.dpi))) {
        return {kExitSaveFailed, "cannot write " + options.output, {}};
    }
    return {kExitDone, {}, preview->notes};
}

}  // namespace vx
