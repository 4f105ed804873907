// The save dialog for the settings sheet and the default browser, for
// ファイル → 設定一覧を保存.
#pragma once

#include <windows.h>

#include "app/sheet_command.h"

namespace vx {

class Win32SheetPorts : public SheetPorts {
public:
    void setOwner(HWND owner) { owner_ = owner; }
    std::optional<SheetChoice> chooseSheetFile(const std::string& suggestedName) override;
    bool openInBrowser(const std::filesystem::path& file) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace vx
