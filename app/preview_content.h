// What the preview window shows for a font: the symbol laid out for the
// printer, the lines of text around it and the warning, if any; and how
// large it can be drawn on the screen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/preview_subject.h"
#include "preview/symbol_preview.h"

namespace vx {

// The printer the preview lays the symbol out for.
struct PreviewPrinter {
    std::string name;                // UTF-8; empty while no printer is bound
    std::optional<int> resolution;   // dots per inch of its device mode
    std::optional<LabelSize> label;  // from its device mode's paper
};

struct PreviewContent {
    std::string title;                    // font name and type (UTF-8)
    std::optional<SymbolPreview> symbol;  // none on the character font page
    double dpi = kDefaultPreviewDpi;
    std::optional<LabelSize> label;
    std::vector<std::string> lines;  // printer, label, size, placement, notes
    std::string warning;             // data refused, symbol off the label, nothing to draw
    // The area the symbol needs, in mm from the label's top-left corner:
    // up to the far edges of the symbol at its origin.
    double symbolRightMm = 0, symbolBottomMm = 0;
};

// `data`: the text to encode (UTF-8); nothing: the type's sample.
PreviewContent previewContent(const PreviewSubject& subject, const PreviewPrinter& printer,
                              const std::optional<std::string>& data);

// Screen pixels per mm for drawing into a canvas: true size at the screen's
// resolution, or smaller so that the symbol at its origin fits. The label
// is drawn as far as the canvas reaches (a wristband rarely fits whole).
struct PreviewScale {
    double pixelsPerMm = 0;
    int percent = 100;  // of true size
    bool labelCut = false;
};
PreviewScale previewScale(const PreviewContent& content, int canvasWidth, int canvasHeight,
                          int screenDpi);
// The line that says at which scale the picture is drawn (UTF-8).
std::string scaleLine(const PreviewScale& scale);

// The sample data stays the user's while the same font and type are shown;
// another font or type brings that type's sample back.
class PreviewSession {
public:
    // The content for the subject; `dataReplaced` tells that data() now
    // holds a new sample, which the window's data box should show.
    PreviewContent update(const PreviewSubject& subject, const PreviewPrinter& printer,
                          bool& dataReplaced);
    // The user's own data for the font and type shown.
    void setData(std::string data) { data_ = std::move(data); }
    const std::optional<std::string>& data() const { return data_; }

private:
    struct Key {
        PageKind page;
        int font, type;
        bool operator==(const Key&) const = default;
    };
    std::optional<Key> shown_;
    std::optional<std::string> data_;
};

}  // namespace vx
