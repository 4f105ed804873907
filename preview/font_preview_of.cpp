#include "preview/font_preview_of.h"

namespace vx {

SymbolPreview previewOfFont(const SettingsStore& store, FontPlace place,
                            const PreviewSettings& settings) {
    switch (place.kind) {
        case FontKind::Character:
            return previewCharacterFont(store.fonts.at(place.number), settings);
        case FontKind::Barcode:
            return previewBarcode(store.barcodes.at(place.number), settings);
        case FontKind::Code2D:
            return previewCode2D(store.codes2D.at(place.number), settings);
    }
    return {};
}

std::optional<SymbolPreview> previewOfNamedFont(const SettingsStore& store,
                                                std::string_view fontCp932,
                                                const PreviewSettings& settings) {
    const std::optional<FontPlace> place = placeOf(store, fontCp932);
    if (!place) return std::nullopt;
    return previewOfFont(store, *place, settings);
}

}  // namespace vx
