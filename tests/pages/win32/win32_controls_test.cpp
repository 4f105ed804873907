// The controls contract on real controls, and what only real controls do:
// spin buttons writing into their edits, attaching spins, and the guard that
// keeps the program's own changes from reaching the page logic. Runs twice:
// with the system's classic controls and with common controls version 6,
// which the tool's manifest asks for.
#include "pages/win32/win32_controls.h"

#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/win32/dialog.h"
#include "tests/pages/controls_contract.h"

namespace vx {
namespace {

using namespace contract;

// Controls of the test dialog beside those of the contract.
constexpr int kLoneEdit = 1041;           // an edit without a spin in the template
constexpr int kLoneSpin = 1042;           // ... which attachSpin creates
constexpr int kBuddylessSpinEdit = 1043;  // an edit followed by a spin without a buddy
constexpr int kBuddylessSpin = 1044;
constexpr int kGroupingSpinEdit = 1045;  // a spin without UDS_NOTHOUSANDS
constexpr int kGroupingSpin = 1046;

// An in-memory dialog template (DLGTEMPLATE and its DLGITEMTEMPLATEs).
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, std::wstring_view font, WORD points) {
        addDword(style | DS_SETFONT);
        addDword(0);  // extended style
        addWord(0);   // item count, counted in add()
        for (short value : {short{0}, short{0}, cx, cy}) addWord(static_cast<WORD>(value));
        addWord(0);  // no menu
        addWord(0);  // the dialog class
        addString(L"");
        addWord(points);
        addString(font);
    }

    // `kind` is one of the predefined class atoms (0x0080 button, 0x0081
    // edit, 0x0082 static, 0x0085 combo box) or, when zero, `className`.
    void add(int id, WORD kind, std::wstring_view className, DWORD style, short x, short y,
             short cx, short cy) {
        while (words_.size() % 2 != 0) addWord(0);  // items start on a DWORD
        addDword(style | WS_CHILD | WS_VISIBLE);
        addDword(0);
        for (short value : {x, y, cx, cy}) addWord(static_cast<WORD>(value));
        addWord(static_cast<WORD>(id));
        if (kind != 0) {
            addWord(0xFFFF);
            addWord(kind);
        } else {
            addString(className);
        }
        addString(L"");
        addWord(0);  // no creation data
        ++words_[4];
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void addWord(WORD value) { words_.push_back(value); }
    void addDword(DWORD value) {
        addWord(LOWORD(value));
        addWord(HIWORD(value));
    }
    void addString(std::wstring_view text) {
        for (wchar_t ch : text) addWord(static_cast<WORD>(ch));
        addWord(0);
    }

    std::vector<WORD> words_;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStatic = 0x0082;
constexpr WORD kComboBox = 0x0085;

// The spin style of the page templates.
constexpr DWORD kTemplateSpin =
    UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;
constexpr DWORD kNumberEdit = ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

DialogTemplate testDialogTemplate() {
    DialogTemplate t(WS_POPUP | WS_CAPTION, 300, 200, L"ＭＳ Ｐゴシック", 9);
    t.add(kEdit, kEditClass, {}, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 80, 12);
    t.add(kOtherEdit, kEditClass, {}, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 26, 80, 12);
    t.add(kLabel, kStatic, {}, SS_LEFT, 10, 42, 80, 10);
    t.add(kList, kComboBox, {}, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 110, 10, 150, 120);
    t.add(kOtherList, kComboBox, {}, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 110, 26, 150, 120);
    t.add(kCheck, kButton, {}, BS_AUTOCHECKBOX | WS_TABSTOP, 10, 58, 40, 10);
    t.add(kOtherCheck, kButton, {}, BS_AUTOCHECKBOX | WS_TABSTOP, 60, 58, 40, 10);
    t.add(kSpinEdit, kEditClass, {}, kNumberEdit, 10, 74, 40, 12);
    t.add(kSpin, 0, UPDOWN_CLASSW, kTemplateSpin, 50, 74, 10, 12);
    t.add(kOtherSpinEdit, kEditClass, {}, kNumberEdit, 10, 90, 40, 12);
    t.add(kOtherSpin, 0, UPDOWN_CLASSW, kTemplateSpin, 50, 90, 10, 12);
    t.add(kLoneEdit, kEditClass, {}, kNumberEdit, 10, 106, 40, 12);
    t.add(kBuddylessSpinEdit, kEditClass, {}, kNumberEdit, 10, 122, 40, 12);
    t.add(kBuddylessSpin, 0, UPDOWN_CLASSW, kTemplateSpin & ~UDS_AUTOBUDDY, 60, 122, 10, 12);
    t.add(kGroupingSpinEdit, kEditClass, {}, kNumberEdit, 10, 138, 40, 12);
    t.add(kGroupingSpin, 0, UPDOWN_CLASSW, kTemplateSpin & ~UDS_NOTHOUSANDS, 50, 138, 10, 12);
    return t;
}

// Common controls version 6 through an activation context, as the tool's
// manifest selects them for the whole program.
HANDLE commonControls6() {
    static const HANDLE context = [] {
        static const char manifest[] =
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
            R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">)"
            R"(<dependency><dependentAssembly><assemblyIdentity type="win32")"
            R"( name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"
            R"( processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>)"
            R"(</dependentAssembly></dependency></assembly>)";
        wchar_t folder[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, folder);
        std::wstring path = std::wstring(folder) + L"vx-controls-test-" +
                            std::to_wstring(GetCurrentProcessId()) + L".manifest";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return INVALID_HANDLE_VALUE;
        DWORD written = 0;
        WriteFile(file, manifest, sizeof manifest - 1, &written, nullptr);
        CloseHandle(file);
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.lpSource = path.c_str();
        HANDLE created = CreateActCtxW(&request);
        DeleteFileW(path.c_str());
        return created;
    }();
    return context;
}

enum class Version { classic, v6 };

// What a page view does with a control's notification: it routes it to the
// page logic unless the program itself is filling the controls.
struct Router {
    using Notifications = std::vector<std::pair<int, int>>;  // (control ID, code)
    Win32Controls* controls = nullptr;
    Notifications received;
    Notifications routed;

    static bool has(const Notifications& list, int id, int code) {
        for (const auto& [i, c] : list) {
            if (i == id && c == code) return true;
        }
        return false;
    }
};

INT_PTR CALLBACK routerProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return FALSE;
    }
    auto* router = reinterpret_cast<Router*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message != WM_COMMAND || router == nullptr || lParam == 0) return FALSE;
    std::pair<int, int> notification{LOWORD(wParam), HIWORD(wParam)};
    router->received.push_back(notification);
    if (router->controls != nullptr && !router->controls->filling()) {
        router->routed.push_back(notification);
    }
    return TRUE;
}

HWND createTestDialog(Version version, Router& router) {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    if (!initialised) return nullptr;
    ULONG_PTR cookie = 0;
    if (version == Version::v6) {
        if (commonControls6() == INVALID_HANDLE_VALUE) return nullptr;
        if (!ActivateActCtx(commonControls6(), &cookie)) return nullptr;
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                                  ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&init);
    }
    static const DialogTemplate dialogTemplate = testDialogTemplate();
    HWND dialog =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.get(), nullptr,
                                   &routerProcedure, reinterpret_cast<LPARAM>(&router));
    if (version == Version::v6) DeactivateActCtx(0, cookie);
    return dialog;
}

template <Version V>
class Win32Harness {
public:
    static constexpr Version version = V;

    Win32Harness() : dialog_(createTestDialog(V, router_)), controls_(dialog_) {
        if (dialog_ == nullptr) {
            ADD_FAILURE() << "the test dialog was not created (error " << GetLastError()
                          << "); windows need a display";
        }
        router_.controls = &controls_;
    }
    ~Win32Harness() {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
    }
    Win32Harness(const Win32Harness&) = delete;
    Win32Harness& operator=(const Win32Harness&) = delete;

    Controls& controls() { return controls_; }
    Win32Controls& win32() { return controls_; }
    Router& router() { return router_; }
    HWND dialog() const { return dialog_; }
    HWND item(int id) const { return GetDlgItem(dialog_, id); }

private:
    Router router_;
    HWND dialog_;
    Win32Controls controls_;
};

using ClassicControls = Win32Harness<Version::classic>;
using Version6Controls = Win32Harness<Version::v6>;

}  // namespace

namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Classic, ControlsContract, ClassicControls);
INSTANTIATE_TYPED_TEST_SUITE_P(CommonControls6, ControlsContract, Version6Controls);
}  // namespace contract

namespace {

template <class Harness>
class Win32ControlsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(this->HasFailure()) << "no dialog to test"; }
    Harness harness_;
};
using BothVersions = ::testing::Types<ClassicControls, Version6Controls>;
TYPED_TEST_SUITE(Win32ControlsTest, BothVersions);

void setSpinPosition(HWND spin, int position) {
    SendMessageW(spin, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

TYPED_TEST(Win32ControlsTest, ControlsComeFromTheRequestedLibrary) {
    // Classic controls are the system's own; version 6 brings its own classes.
    HINSTANCE owner =
        reinterpret_cast<HINSTANCE>(GetClassLongPtrW(this->harness_.item(kList), GCLP_HMODULE));
    HINSTANCE user32 = GetModuleHandleW(L"user32.dll");
    if (TypeParam::version == Version::v6) {
        EXPECT_NE(owner, user32);
    } else {
        EXPECT_EQ(owner, user32);
    }
}

TYPED_TEST(Win32ControlsTest, TemplateSpinsWritePlainDigitsIntoTheirEdits) {
    Win32Controls& c = this->harness_.win32();
    HWND spin = this->harness_.item(kOtherSpin);
    ASSERT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)),
              this->harness_.item(kOtherSpinEdit));
    c.setSpinRange(kOtherSpin, 50, 1060);
    setSpinPosition(spin, 1060);
    EXPECT_EQ(c.text(kOtherSpinEdit), "1060");
    c.setSpinRange(kSpin, 0, 32767);
    setSpinPosition(this->harness_.item(kSpin), 32767);
    EXPECT_EQ(c.text(kSpinEdit), "32767");
    // The arrow keys step the position and the edit follows.
    SendMessageW(spin, UDM_SETPOS32, 0, 999);
    SendMessageW(spin, WM_KEYDOWN, VK_UP, 0);
    SendMessageW(spin, WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(c.text(kOtherSpinEdit), "1000");

    // What the check guards against: without UDS_NOTHOUSANDS the digits are
    // grouped as the locale says ("1,060" here).
    c.setSpinRange(kGroupingSpin, 50, 1060);
    setSpinPosition(this->harness_.item(kGroupingSpin), 1060);
    EXPECT_NE(c.text(kGroupingSpinEdit), "1060");
}

TYPED_TEST(Win32ControlsTest, AnEditAlreadyShowingTheTextIsLeftAlone) {
    Win32Controls& c = this->harness_.win32();
    Router& router = this->harness_.router();
    HWND edit = this->harness_.item(kLoneEdit);
    c.setText(kLoneEdit, "基点12");
    SendMessageW(edit, EM_SETSEL, 0, -1);  // the user selected the text
    router.received.clear();
    c.setText(kLoneEdit, "基点12");
    EXPECT_FALSE(Router::has(router.received, kLoneEdit, EN_CHANGE));
    DWORD start = 9, end = 9;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    // Another text is set, with its notice (which the page does not hear).
    c.setText(kLoneEdit, "基点13");
    EXPECT_EQ(c.text(kLoneEdit), "基点13");
    EXPECT_TRUE(Router::has(router.received, kLoneEdit, EN_CHANGE));
    EXPECT_FALSE(Router::has(router.routed, kLoneEdit, EN_CHANGE));
}

TYPED_TEST(Win32ControlsTest, AttachSpinCreatesAMissingSpinBesideItsEdit) {
    HWND dialog = this->harness_.dialog();
    HWND edit = this->harness_.item(kLoneEdit);
    RECT before{};
    GetWindowRect(edit, &before);

    HWND spin = attachSpin(dialog, kLoneEdit, kLoneSpin);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(this->harness_.item(kLoneSpin), spin);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(spin, GWL_STYLE)) & kSpinStyles, kSpinStyles);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)), edit);
    // Aligned right: the spin takes the right end of the edit's old place.
    RECT spinRect{};
    RECT editRect{};
    GetWindowRect(spin, &spinRect);
    GetWindowRect(edit, &editRect);
    // (It may overlap the edit's border by a pixel or two.)
    EXPECT_GT(spinRect.right - spinRect.left, 0);
    EXPECT_EQ(spinRect.top, before.top);
    EXPECT_LE(editRect.right, spinRect.left + 3);
    EXPECT_LT(editRect.right, before.right);
    EXPECT_NEAR(spinRect.right, before.right, 3);
    // It follows the edit in the tab order.
    EXPECT_EQ(GetWindow(edit, GW_HWNDNEXT), spin);

    Win32Controls& c = this->harness_.win32();
    c.setSpinRange(kLoneSpin, 50, 1060);
    EXPECT_EQ(c.spinRange(kLoneSpin), std::make_pair(50, 1060));
    setSpinPosition(spin, 1060);
    EXPECT_EQ(c.text(kLoneEdit), "1060");

    // A second call finds the spin instead of making another.
    EXPECT_EQ(attachSpin(dialog, kLoneEdit, kLoneSpin), spin);
    EXPECT_EQ(GetWindow(spin, GW_HWNDNEXT), this->harness_.item(kBuddylessSpinEdit));
}

TYPED_TEST(Win32ControlsTest, AttachSpinKeepsTemplateSpinsAndGivesThemTheirEdit) {
    HWND dialog = this->harness_.dialog();
    HWND spin = this->harness_.item(kSpin);
    EXPECT_EQ(attachSpin(dialog, kSpinEdit, kSpin), spin);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)),
              this->harness_.item(kSpinEdit));

    HWND buddyless = this->harness_.item(kBuddylessSpin);
    ASSERT_EQ(SendMessageW(buddyless, UDM_GETBUDDY, 0, 0), 0);
    EXPECT_EQ(attachSpin(dialog, kBuddylessSpinEdit, kBuddylessSpin), buddyless);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(buddyless, UDM_GETBUDDY, 0, 0)),
              this->harness_.item(kBuddylessSpinEdit));
    SendMessageW(buddyless, UDM_SETRANGE32, 0, 9999);
    setSpinPosition(buddyless, 9999);
    EXPECT_EQ(windowText(this->harness_.item(kBuddylessSpinEdit)), "9999");

    EXPECT_EQ(attachSpin(dialog, 4242, 4243), nullptr);  // no such edit
    EXPECT_EQ(GetDlgItem(dialog, 4243), nullptr);
}

TYPED_TEST(Win32ControlsTest, TheProgramsOwnChangesAreNotRouted) {
    Win32Controls& c = this->harness_.win32();
    Router& router = this->harness_.router();
    SetFocus(this->harness_.item(kEdit));  // the user's doing
    router.routed.clear();
    router.received.clear();
    EXPECT_FALSE(c.filling());

    c.setText(kEdit, "1234");
    c.setText(kSpinEdit, "20");
    c.setChecked(kCheck, true);
    c.setItems(kList, rotationItems());
    c.insertItem(kList, 0, "先頭");
    c.select(kList, 2);
    c.selectByPrefix(kList, "文字回転90ﾟ");
    c.removeItem(kList, 2);
    c.setSpinRange(kSpin, 0, 99);
    c.setEnabled(kEdit, false);
    c.setEnabled(kEdit, true);
    EXPECT_FALSE(c.filling());
    // The controls did notify, but nothing reached the logic.
    EXPECT_TRUE(Router::has(router.received, kEdit, EN_CHANGE));
    EXPECT_TRUE(Router::has(router.received, kSpinEdit, EN_CHANGE));
    EXPECT_TRUE(Router::has(router.received, kEdit, EN_KILLFOCUS));  // disabled with the focus
    for (const auto& [id, code] : router.routed) ADD_FAILURE() << id << " routed " << code;

    // What the user does is routed.
    SendMessageW(this->harness_.item(kOtherEdit), WM_CHAR, L'5', 0);
    EXPECT_TRUE(Router::has(router.routed, kOtherEdit, EN_CHANGE));
    c.select(kList, 0);
    SendMessageW(this->harness_.item(kList), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(c.selection(kList), 1);
    EXPECT_TRUE(Router::has(router.routed, kList, CBN_SELCHANGE));
    SendMessageW(this->harness_.item(kOtherCheck), BM_CLICK, 0, 0);
    EXPECT_TRUE(c.checked(kOtherCheck));
    EXPECT_TRUE(Router::has(router.routed, kOtherCheck, BN_CLICKED));
}

TYPED_TEST(Win32ControlsTest, AGuardHeldByTheViewCoversEverythingInside) {
    Win32Controls& c = this->harness_.win32();
    Router& router = this->harness_.router();
    c.setItems(kList, {"a", "b", "c"});
    c.select(kList, 0);
    {
        Win32Controls::NotificationGuard outer(c);
        {
            Win32Controls::NotificationGuard inner(c);
            EXPECT_TRUE(c.filling());
        }
        EXPECT_TRUE(c.filling());  // the inner guard does not end the outer one
        c.setText(kEdit, "1");     // ending a method's own guard neither
        EXPECT_TRUE(c.filling());
        // Even a change the list reports itself is not routed while filling.
        SendMessageW(this->harness_.item(kList), WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(c.selection(kList), 1);
    }
    EXPECT_FALSE(c.filling());
    EXPECT_TRUE(Router::has(router.received, kList, CBN_SELCHANGE));
    EXPECT_TRUE(router.routed.empty());
}

}  // namespace
}  // namespace vx
