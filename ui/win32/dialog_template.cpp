#include "ui/win32/dialog_template.h"

#include <cstring>

namespace vx {

namespace {

// The DIALOGEX header's fixed part, as the resource compiler writes it.
#pragma pack(push, 2)
struct DialogHeader {
    WORD version;    // 1
    WORD signature;  // 0xFFFF
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    WORD itemCount;
    short x, y, cx, cy;
};
struct ItemHeader {
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
};
#pragma pack(pop)

// Reads the template's words in order; an ordinal or a string each.
class Reader {
public:
    Reader(const BYTE* begin, const BYTE* end) : begin_(begin), at_(begin), end_(end) {}
    bool fits(std::size_t bytes) const { return at_ + bytes <= end_; }
    const BYTE* at() const { return at_; }
    bool skip(std::size_t bytes) {
        if (!fits(bytes)) return false;
        at_ += bytes;
        return true;
    }
    bool alignTo(std::size_t bytes) {
        const auto offset = static_cast<std::size_t>(at_ - begin_);
        return skip((bytes - offset % bytes) % bytes);
    }
    bool word(WORD& out) {
        if (!fits(sizeof out)) return false;
        std::memcpy(&out, at_, sizeof out);
        at_ += sizeof out;
        return true;
    }
    // A name or an ordinal (0xFFFF, number); ordinals come back as those
    // two characters, as the window functions take them.
    bool nameOrOrdinal(std::wstring& out) {
        WORD first = 0;
        if (!word(first)) return false;
        out.clear();
        if (first == 0xFFFF) {
            WORD ordinal = 0;
            if (!word(ordinal)) return false;
            out = {wchar_t{0xFFFF}, static_cast<wchar_t>(ordinal)};
            return true;
        }
        for (WORD c = first; c != 0;) {
            out.push_back(static_cast<wchar_t>(c));
            if (!word(c)) return false;
        }
        return true;
    }

private:
    const BYTE* begin_;
    const BYTE* at_;
    const BYTE* end_;
};

// The predefined classes that templates name by number.
std::wstring className(const std::wstring& name) {
    if (name.size() != 2 || name[0] != wchar_t{0xFFFF}) return name;
    switch (name[1]) {
        case 0x0080:
            return L"Button";
        case 0x0081:
            return L"Edit";
        case 0x0082:
            return L"Static";
        case 0x0083:
            return L"ListBox";
        case 0x0084:
            return L"ScrollBar";
        case 0x0085:
            return L"ComboBox";
        default:
            return name;
    }
}

}  // namespace

DialogTemplate::DialogTemplate(int templateId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
    if (found == nullptr) return;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (data == nullptr || size < sizeof(DialogHeader)) return;
    DialogHeader header;
    std::memcpy(&header, data, sizeof header);
    if (header.version != 1 || header.signature != 0xFFFF) return;

    Reader reader(data, data + size);
    std::wstring ignored;
    reader.skip(sizeof header);
    if (!reader.nameOrOrdinal(ignored) || !reader.nameOrOrdinal(ignored) ||
        !reader.nameOrOrdinal(ignored)) {
        return;  // menu, class, caption
    }
    if ((header.style & (DS_SETFONT | DS_SHELLFONT)) != 0) {
        // Point size, weight, italic and character set, then the face name.
        if (!reader.skip(3 * sizeof(WORD)) || !reader.nameOrOrdinal(ignored)) return;
    }
    const auto headerBytes = static_cast<std::size_t>(reader.at() - data);

    std::vector<Control> controls;
    for (WORD n = 0; n < header.itemCount; ++n) {
        ItemHeader item;
        if (!reader.alignTo(sizeof(DWORD)) || !reader.fits(sizeof item)) return;
        std::memcpy(&item, reader.at(), sizeof item);
        reader.skip(sizeof item);
        Control control{item.exStyle, item.style, item.x, item.y, item.cx,
                        item.cy,      item.id,    {},     {},     nullptr};
        WORD extra = 0;
        if (!reader.nameOrOrdinal(control.className) || !reader.nameOrOrdinal(control.title)) {
            return;
        }
        const BYTE* extraAt = reader.at();
        if (!reader.word(extra) || !reader.skip(extra)) return;
        control.className = className(control.className);
        if (extra != 0) control.creationData = reinterpret_cast<const WORD*>(extraAt);
        controls.push_back(std::move(control));
    }

    header_.resize((headerBytes + 1) / sizeof(WORD));
    std::memcpy(header_.data(), data, headerBytes);
    DialogHeader empty = header;
    empty.itemCount = 0;
    std::memcpy(header_.data(), &empty, sizeof empty);
    controls_ = std::move(controls);
}

const DLGTEMPLATE* DialogTemplate::withoutControls() const {
    return valid() ? reinterpret_cast<const DLGTEMPLATE*>(header_.data()) : nullptr;
}

HWND DialogTemplate::createControl(HWND dialog, std::size_t n) const {
    if (n >= controls_.size()) return nullptr;
    const Control& c = controls_[n];
    // The dialog's base units; each of the four numbers is mapped on its
    // own, as the dialog manager maps them.
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    // A bordered control gets the sunken three-dimensional edge instead.
    DWORD style = c.style | WS_CHILD;
    DWORD exStyle = c.exStyle | WS_EX_NOPARENTNOTIFY;
    if ((style & WS_BORDER) != 0) {
        style &= ~WS_BORDER;
        exStyle |= WS_EX_CLIENTEDGE;
    }
    HWND control = CreateWindowExW(exStyle, c.className.c_str(), c.title.c_str(), style,
                                   MulDiv(c.x, units.right, 4), MulDiv(c.y, units.bottom, 8),
                                   MulDiv(c.cx, units.right, 4), MulDiv(c.cy, units.bottom, 8),
                                   dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(c.id)),
                                   GetModuleHandleW(nullptr), const_cast<WORD*>(c.creationData));
    if (control == nullptr) return nullptr;
    SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(SendMessageW(dialog, WM_GETFONT, 0, 0)),
                 0);
    if ((SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0) {
        SendMessageW(dialog, DM_SETDEFID, c.id, 0);
    }
    return control;
}

}  // namespace vx
