#include "cli/font_preview.h"

#include "cli/dvftool_commands.h"
#include "preview/font_preview_of.h"
#include "preview/svg_file.h"
#include "preview/svg_writer.h"
#include "printer/printer_binding.h"

namespace vx {

FontPreviewOutcome writeFontPreview(const SettingsStore& store, const std::string& fontCp932,
                                    const FontPreviewOptions& options) {
    PreviewSettings settings;
    settings.dpi = options.dpi;
    settings.data = options.data;
    const std::optional<SymbolPreview> preview = previewOfNamedFont(store, fontCp932, settings);
    if (!preview) return {kExitUsage, "no driver font of this name", {}};
    if (!preview->error.empty()) return {kExitPrinter, "data refused: " + preview->error, {}};
    if (!saveSvgFile(pathFromUtf8(options.output), fontPreviewSvg(*preview, options.dpi))) {
        return {kExitSaveFailed, "cannot write " + options.output, {}};
    }
    return {kExitDone, {}, preview->notes};
}

}  // namespace vx
