// message_box_text: waits for a message box of any program on the desktop
// (Wine's installer shows a failed launch condition in one), prints its
// caption and text as UTF-8 lines and answers it with OK. For the package
// test, which cannot read a window's text from outside.
//
//   message_box_text CAPTION SECONDS
//
// Exit status 0 when a box with that caption came and was answered, 1 when
// none came within SECONDS.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "ui/win32/dialog.h"

namespace {

// A message box's text is the static control of this ID.
constexpr int kMessageBoxTextId = 0xFFFF;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc != 3) {
        std::fputs("usage: message_box_text CAPTION SECONDS\n", stderr);
        return 2;
    }
    const DWORD deadline =
        GetTickCount() + static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) * 1000;
    while (GetTickCount() < deadline) {
        HWND box = FindWindowW(L"#32770", argv[1]);
        HWND text = box != nullptr ? GetDlgItem(box, kMessageBoxTextId) : nullptr;
        if (text != nullptr) {
            const std::string out = vx::windowText(box) + "\n" + vx::windowText(text) + "\n";
            std::fwrite(out.data(), 1, out.size(), stdout);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
