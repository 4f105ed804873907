// What the printer selection lists and what its buttons do, apart from the
// window: the dialog shows `items()`, selects `initialSelection()` and
// hands OK and double-clicks to `confirm` and `activate`.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printer/printer_binding.h"

namespace vx {

inline constexpr std::string_view kPrinterListHeader = "プリンタドライバ名";
inline constexpr int kPrinterListColumnWidth = 300;  // pixels
inline constexpr std::string_view kNoPrinterText = "利用可能なプリンタドライバがありません。";
inline const std::string kNoPrinterMessage = std::string(kNoPrinterText) + "\nツールを終了します。";
inline constexpr std::string_view kNoSelectionMessage =
    "プリンタドライバが選択されていません。\nプリンタドライバを選択してください。";
inline constexpr int kNoPrinterExitStatus = 1;

// The services the selection needs from its surroundings.
struct PrinterSelectionServices {
    // A message box with the tool's caption, an OK button and the
    // exclamation icon (UTF-8 text); returns when it is closed.
    std::function<void(std::string_view text)> warn;
    // Ends the process with the status; does not return in the program.
    // Tests record the call instead, and the selection then ends as if
    // cancelled.
    std::function<void(int status)> endProcess;
    // The printers that can be chosen; empty: listSelectablePrinters.
    std::function<std::vector<std::string>()> listPrinters;
    // The tool's caption (UTF-8), for the selection window's own message
    // boxes when `warn` is left empty.
    std::string caption{};
};

class PrinterSelection {
public:
    PrinterSelection(Spooler& spooler, PrinterSelectionServices services);

    // Lists the printers that can be chosen. With none, warns and ends the
    // process; returns false if ending the process returned (tests only).
    bool initialise(std::string_view currentName);

    const std::vector<std::string>& items() const { return items_; }
    // The item whose name equals the current name, if any.
    std::optional<std::size_t> initialSelection() const { return initialSelection_; }

    // OK with the list's selection: the chosen printer's name, or nullopt
    // after the no-selection warning (the selection stays open).
    std::optional<std::string> confirm(std::optional<std::size_t> selected);
    // A double-click on the list at `hitItem` (nullopt on empty space):
    // acts as OK on an item, does nothing on empty space.
    std::optional<std::string> activate(std::optional<std::size_t> hitItem);

private:
    Spooler& spooler_;
    PrinterSelectionServices services_;
    std::vector<std::string> items_;
    std::optional<std::size_t> initialSelection_;
};

}  // namespace vx
