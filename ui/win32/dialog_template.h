// A dialog template of the program's resources, read so that the dialog can
// be created without its controls and they can be added a few at a time,
// each exactly as the dialog manager adds it. Under Wine a page with a dozen
// combo boxes takes a fifth of a second to create; in steps, the window
// that creates it in its idle time keeps answering the user.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace vx {

class DialogTemplate {
public:
    // Reads template `templateId` (DIALOGEX form); empty when it is
    // missing or in another form.
    explicit DialogTemplate(int templateId);

    bool valid() const { return !header_.empty(); }
    // The dialog itself (style, size, font, caption) with no controls, for
    // CreateDialogIndirectParamW.
    const DLGTEMPLATE* withoutControls() const;
    std::size_t controlCount() const { return controls_.size(); }
    // Creates control `n` in `dialog` as the dialog manager does: its
    // template rectangle in the dialog's units, below its siblings, in the
    // dialog's font. nullptr when it cannot be created.
    HWND createControl(HWND dialog, std::size_t n) const;

private:
    struct Control {
        DWORD exStyle = 0;
        DWORD style = 0;
        short x = 0, y = 0, cx = 0, cy = 0;
        DWORD id = 0;
        std::wstring className;
        std::wstring title;                  // an ordinal title as 0xFFFF and the number
        const WORD* creationData = nullptr;  // size word and data; nullptr if none
    };

    std::vector<WORD> header_;  // the template's header, its item count 0
    std::vector<Control> controls_;
};

}  // namespace vx
