// The dialog that lists the bound file's earlier versions, compares the
// chosen one with the settings shown and returns it on OK.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "app/history_restore.h"
#include "ui/win32/dialog.h"

namespace vx {

class HistoryDialog : public Dialog, public VersionChooser {
public:
    // Runs modally over `owner`'s window.
    explicit HistoryDialog(const Dialog& owner) : owner_(owner) {}

    std::optional<std::size_t> choose(const HistoryRestore& offer) override;

protected:
    BOOL onInitDialog() override;
    bool onCommand(int id, int code, HWND control) override;
    bool onNotify(NMHDR& header, LRESULT& result) override;

private:
    std::optional<std::size_t> selected() const;
    // Empties the comparison, which belongs to the version compared.
    void clearComparison();
    void compare();
    void accept();

    const Dialog& owner_;
    const HistoryRestore* offer_ = nullptr;
    std::optional<std::size_t> chosen_;
};

}  // namespace vx
