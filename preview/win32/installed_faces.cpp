#include "preview/win32/installed_faces.h"

#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "ui/win32/dialog.h"

namespace vx {

namespace {

struct Families {
    bool asked = false;
    std::set<std::string, std::less<>> names;
};

int CALLBACK addFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families) {
    reinterpret_cast<Families*>(families)->names.insert(narrow(font->lfFaceName));
    return 1;
}

}  // namespace

FaceLookup installedFaces() {
    auto families = std::make_shared<Families>();
    return [families](std::string_view family) {
        if (!families->asked) {
            families->asked = true;
            LOGFONTW all{};
            all.lfCharSet = DEFAULT_CHARSET;
            HDC screen = GetDC(nullptr);
            EnumFontFamiliesExW(screen, &all, addFamily, reinterpret_cast<LPARAM>(families.get()),
                                0);
            ReleaseDC(nullptr, screen);
        }
        return families->names.find(family) != families->names.end();
    };
}

}  // namespace vx
