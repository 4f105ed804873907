#include "app/preview_subject.h"

#include "pages/barcode_page.h"
#include "pages/character_font_page.h"
#include "pages/code2d_page.h"

namespace vx {

PreviewSubject describedSubject(PageKind kind, SettingPage& page) {
    PreviewSubject subject;
    subject.page = kind;
    switch (kind) {
        case PageKind::Barcode: {
            auto& barcodes = static_cast<BarcodePage&>(page);
            subject.font = barcodes.currentFont();
            subject.record = barcodes.describedRecord();
            break;
        }
        case PageKind::Code2D: {
            auto& codes = static_cast<Code2DPage&>(page);
            subject.font = codes.currentFont();
            subject.record = codes.describedRecord();
            break;
        }
        case PageKind::CharacterFont: {
            auto& fonts = static_cast<CharacterFontPage&>(page);
            subject.font = fonts.currentFont();
            subject.record = fonts.describedRecord();
            break;
        }
    }
    return subject;
}

}  // namespace vx
