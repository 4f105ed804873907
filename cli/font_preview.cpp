#include "cli/font_preview.h"

#include "cli/dvftool_commands.h"
#include "cli/dvftool_messages.h"
#include "preview/font_preview_of.h"
#include "preview/svg_file.h"
#include "preview/svg_writer.h"
#include "printer/printer_binding.h"
#include "settings/codepage.h"
#include "settings/font_names.h"

namespace vx {

FontPreviewOutcome writeFontPreview(const SettingsStore& store, const std::string& fontCp932,
                                    const FontPreviewOptions& options) {
    PreviewSettings settings;
    settings.dpi = options.dpi;
    settings.data = options.data;
    const std::optional<SymbolPreview> preview = previewOfNamedFont(store, fontCp932, settings);
    const std::string font = utf8FromCp932(fontCp932);
    if (!preview) return {kExitUsage, font, std::string(dvftool_text::kUnknownFont), {}};
    if (!preview->error.empty())
        return {kExitDataRefused, font, "データを描けません: " + preview->error, {}};
    if (!saveSvgFile(pathFromUtf8(options.output), fontPreviewSvg(*preview, options.dpi))) {
        return {kExitSaveFailed, options.output, std::string(dvftool_text::kOutputUnwritable), {}};
    }
    return {kExitDone, {}, {}, preview->notes};
}

}  // namespace vx
