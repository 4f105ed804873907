// What the preview window shows for a font: the symbol or the text laid
// out for the printer, the lines of text around it and the warning, if any.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/preview_subject.h"
#include "preview/preview_scene.h"
#include "preview/symbol_preview.h"
#include "preview/text_plan.h"

namespace vx {

// The printer the preview lays the symbol out for.
struct PreviewPrinter {
    std::string name;                // UTF-8; empty while no printer is bound
    std::optional<int> resolution;   // dots per inch of its device mode
    std::optional<LabelSize> label;  // from its device mode's paper
};

// The scene drawn, and what the window says around it.
struct PreviewContent : PreviewScene {
    std::string title;               // font name and type (UTF-8)
    bool faceOfOwnDesign = true;     // false: a monospaced face stands in for an OCR face
    std::vector<std::string> lines;  // printer, label, size, placement, notes
    std::string warning;             // data refused, font off the label
};

// `data`: the text to encode or write (UTF-8); nothing: the type's sample.
// `installed` tells which typefaces the screen has; without it the first
// family of a character font's face is taken as installed.
PreviewContent previewContent(const PreviewSubject& subject, const PreviewPrinter& printer,
                              const std::optional<std::string>& data,
                              const FaceLookup& installed = {});

// The sample data stays the user's while the same font and type are shown;
// another font or type brings that type's sample back.
class PreviewSession {
public:
    // The content for the subject; `dataReplaced` tells that data() now
    // holds a new sample, which the window's data box should show.
    PreviewContent update(const PreviewSubject& subject, const PreviewPrinter& printer,
                          bool& dataReplaced);
    // How the session learns which typefaces the screen has.
    void setFaceLookup(FaceLookup installed) { installed_ = std::move(installed); }
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
    FaceLookup installed_;
};

}  // namespace vx
