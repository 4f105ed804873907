// What escapes a dialog's handler (memory exhausted, any other failure)
// goes to the escape handler instead of through the system's window
// procedure, and the window goes on handling messages; the tool's handler
// tells it in a message box with the tool's caption.
#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/escaped_failure.h"
#include "resources/resource.h"
#include "ui/win32/dialog.h"

namespace vx {
namespace {

constexpr int kThrowsBadAlloc = 40001, kThrowsLengthError = 40002, kThrowsOther = 40003,
              kAnswers = 40004;

class ThrowingDialog : public Dialog {
public:
    int answered = 0;

protected:
    bool onCommand(int id, int, HWND) override {
        switch (id) {
            case kThrowsBadAlloc:
                throw std::bad_alloc();
            case kThrowsLengthError:
                throw std::length_error("vector::reserve");
            case kThrowsOther:
                throw std::runtime_error("the disk fell off");
            case kAnswers:
                ++answered;
                return true;
            default:
                return false;
        }
    }
};

struct Escape {
    HWND window;
    std::string text;
};
std::vector<Escape> escapes;

void recordEscape(HWND window, const std::exception& escaped) {
    escapes.push_back({window, escapedFailureText(escaped)});
}

TEST(DialogEscape, WhatEscapesAHandlerIsToldAndTheWindowGoesOn) {
    escapes.clear();
    Dialog::setEscapeHandler(&recordEscape);
    ThrowingDialog dialog;
    ASSERT_TRUE(dialog.createModeless(nullptr, IDD_ABOUTBOX));
    for (int command : {kThrowsBadAlloc, kThrowsLengthError, kThrowsOther}) {
        SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(kAnswers, 0), 0);
    }
    Dialog::setEscapeHandler(nullptr);
    EXPECT_EQ(dialog.answered, 3);
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
    ASSERT_EQ(escapes.size(), 3u);
    for (const Escape& escape : escapes) EXPECT_EQ(escape.window, dialog.hwnd());
    const std::string memory = "メモリが足りないため、操作を中止しました。";
    EXPECT_EQ(escapes[0].text.rfind(memory, 0), 0u) << escapes[0].text;
    EXPECT_EQ(escapes[1].text.rfind(memory, 0), 0u) << escapes[1].text;
    EXPECT_EQ(escapes[2].text.rfind("予期しないエラーのため、操作を中止しました。", 0), 0u);
    EXPECT_NE(escapes[2].text.find("the disk fell off"), std::string::npos) << escapes[2].text;
}

}  // namespace
}  // namespace vx
