// What a setting page costs under Wine, whatever the tool does around it:
// creating each page from its template (whole, and a control at a time as
// the tool does in the printer selection's idle time), and showing and
// painting it in a window of the main window's template.
//
//   page_paint_bench [ROUNDS]
//
// Prints the median milliseconds. Figures only: painting the 1D page is the
// floor under binding a printer, which ends with the page painted.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "resources/resource.h"
#include "ui/win32/dialog_template.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

INT_PTR CALLBACK quietProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Handles every message waiting, paints included.
void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

struct Figures {
    std::vector<double> whole, stepwise, paint;
};

void measure(int pageTemplate, Figures& figures) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND main =
        CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, quietProcedure, 0);

    auto start = Clock::now();
    HWND whole =
        CreateDialogParamW(instance, MAKEINTRESOURCEW(pageTemplate), main, quietProcedure, 0);
    figures.whole.push_back(msSince(start));

    start = Clock::now();
    const vx::DialogTemplate steps(pageTemplate);
    HWND stepwise =
        CreateDialogIndirectParamW(instance, steps.withoutControls(), main, quietProcedure, 0);
    for (std::size_t n = 0; n < steps.controlCount(); ++n) steps.createControl(stepwise, n);
    figures.stepwise.push_back(msSince(start));
    DestroyWindow(stepwise);

    SetWindowPos(whole, HWND_TOP, 10, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    start = Clock::now();
    ShowWindow(main, SW_SHOW);
    pump();
    figures.paint.push_back(msSince(start));
    DestroyWindow(main);
    pump();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    struct Page {
        const char* name;
        int id;
    };
    const Page pages[] = {{"1D barcode", IDD_PAGE_BARCODE},
                          {"2D code", IDD_PAGE_CODE2D},
                          {"character font", IDD_PAGE_FONT}};
    std::printf("%-15s %9s %10s %12s %10s\n", "page", "controls", "create ms", "stepwise ms",
                "paint ms");
    for (const Page& page : pages) {
        Figures figures;
        for (int i = 0; i <= rounds; ++i) measure(page.id, figures);
        // The first round warms the caches and is not counted.
        for (auto* list : {&figures.whole, &figures.stepwise, &figures.paint}) {
            list->erase(list->begin());
        }
        std::printf("%-15s %9zu %10.1f %12.1f %10.1f\n", page.name,
                    vx::DialogTemplate(page.id).controlCount(), median(figures.whole),
                    median(figures.stepwise), median(figures.paint));
    }
    std::printf(
        "create = the page from its template at once; stepwise = empty, then a control at a\n"
        "time; paint = the main window's template with the page shown, until painted.\n");
    return 0;
}
