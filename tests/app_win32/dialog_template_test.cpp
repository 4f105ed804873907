// A dialog created without its controls, which are then added one by one
// from its template, matches the same dialog created whole by the system:
// the same controls in the same order, with the same class, ID, styles,
// place, text and font.
#include "ui/win32/dialog_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/app_win32/layout_helpers.h"

namespace vx {
namespace {

INT_PTR CALLBACK quietProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct ControlFacts {
    std::wstring className;
    int id;
    LONG_PTR style;
    LONG_PTR exStyle;
    RECT rect;  // in the dialog's client coordinates
    std::wstring text;
    LOGFONTW font;
};

std::vector<ControlFacts> factsOf(HWND dialog) {
    std::vector<ControlFacts> facts;
    for (HWND child : test::layout::children(dialog)) {
        ControlFacts f{};
        f.className = test::layout::className(child);
        f.id = GetDlgCtrlID(child);
        f.style = GetWindowLongPtrW(child, GWL_STYLE);
        f.exStyle = GetWindowLongPtrW(child, GWL_EXSTYLE);
        GetWindowRect(child, &f.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&f.rect), 2);
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        f.text = text;
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof f.font,
                   &f.font);
        facts.push_back(f);
    }
    return facts;
}

TEST(DialogTemplateTest, ControlsAddedOneByOneMatchTheSystemsDialog) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // The pages are child dialogs: both are made inside one hidden window.
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                  instance, nullptr);
    ASSERT_NE(parent, nullptr);
    for (int id : {IDD_PAGE_BARCODE, IDD_PAGE_CODE2D, IDD_PAGE_FONT, IDD_PRINTER_SELECT}) {
        SCOPED_TRACE(id);
        HWND whole = CreateDialogParamW(instance, MAKEINTRESOURCEW(id), parent, quietProcedure, 0);
        ASSERT_NE(whole, nullptr);
        const DialogTemplate dialogTemplate(id);
        ASSERT_TRUE(dialogTemplate.valid());
        HWND stepwise = CreateDialogIndirectParamW(instance, dialogTemplate.withoutControls(),
                                                   parent, quietProcedure, 0);
        ASSERT_NE(stepwise, nullptr);
        EXPECT_EQ(GetWindow(stepwise, GW_CHILD), nullptr);
        for (std::size_t n = 0; n < dialogTemplate.controlCount(); ++n) {
            EXPECT_NE(dialogTemplate.createControl(stepwise, n), nullptr) << n;
        }
        EXPECT_EQ(dialogTemplate.createControl(stepwise, dialogTemplate.controlCount()), nullptr);

        const std::vector<ControlFacts> expected = factsOf(whole);
        const std::vector<ControlFacts> actual = factsOf(stepwise);
        EXPECT_GT(expected.size(), 3u);
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t n = 0; n < expected.size(); ++n) {
            const ControlFacts& e = expected[n];
            const ControlFacts& a = actual[n];
            SCOPED_TRACE(e.id);
            EXPECT_EQ(a.className, e.className);
            EXPECT_EQ(a.id, e.id);
            EXPECT_EQ(a.style, e.style);
            EXPECT_EQ(a.exStyle, e.exStyle);
            EXPECT_TRUE(EqualRect(&a.rect, &e.rect));
            EXPECT_EQ(a.text, e.text);
            EXPECT_EQ(std::wstring(a.font.lfFaceName), std::wstring(e.font.lfFaceName));
            EXPECT_EQ(a.font.lfHeight, e.font.lfHeight);
        }
        DestroyWindow(whole);
        DestroyWindow(stepwise);
    }
    DestroyWindow(parent);
}

TEST(DialogTemplateTest, AMissingTemplateIsNotValid) {
    const DialogTemplate missing(9999);
    EXPECT_FALSE(missing.valid());
    EXPECT_EQ(missing.withoutControls(), nullptr);
    EXPECT_EQ(missing.controlCount(), 0u);
}

}  // namespace
}  // namespace vx
