// The real main window, opened in-process on a copy of the demo printer's
// driver font file and showing one of its setting pages (the character font
// page unless told otherwise), with the user's actions on that page as
// one-line helpers. Each action changes the real
// controls and lets the page have the notification that the user's action
// would send.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/win32/main_window.h"
#include "settings/settings_store.h"
#include "tests/printer/fake_spooler.h"

namespace vx::test {

// Answers every printer selection with the same printer.
class FixedChooser : public PrinterChooser {
public:
    std::optional<std::string> choose(const std::string&) override { return "Label printer"; }
};

class FontPageWindow {
public:
    // Copies demo/ALTOD.DVF to a directory of its own, opens the window on
    // the copy and shows the page.
    explicit FontPageWindow(PageKind kind = PageKind::CharacterFont);
    ~FontPageWindow();
    FontPageWindow(const FontPageWindow&) = delete;
    FontPageWindow& operator=(const FontPageWindow&) = delete;

    bool opened() const { return window_ != nullptr && window_->isOpen(); }
    MainWindow& window() { return *window_; }
    HWND page() const { return window_->pageWindow(kind_); }
    HWND item(int id) const { return GetDlgItem(page(), id); }
    const std::filesystem::path& file() const { return file_; }

    // The user's actions.
    void chooseFont(int fontIndex);
    void chooseType(int typeIndex);
    void choose(int listId, int position);
    // Chooses the list item with exactly this text; false when there is none.
    bool choose(int listId, std::wstring_view text);
    void click(int checkBoxId);
    void type(int editId, std::wstring_view text);
    // Puts the focus into the control and moves it on to the font-name list.
    void leave(int editId);
    void typeAndLeave(int editId, std::wstring_view text);
    // A key pressed while the edit has the focus.
    void pressKey(int editId, UINT virtualKey);

    // What the page shows.
    std::wstring text(int id) const;
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    bool checked(int id) const;
    int itemCount(int listId) const;
    std::wstring itemText(int listId, int position) const;
    std::wstring selectedText(int listId) const;

    // Runs the window's queued messages.
    void pump();

private:
    void notify(int id, int code);

    PageKind kind_;
    int fontNameList_;
    int typeList_;

    std::filesystem::path directory_;
    std::filesystem::path file_;
    SettingsStore store_;
    FakeSpooler spooler_;
    FixedChooser chooser_;
    std::unique_ptr<MainWindow> window_;
};

// The value of a key of a driver font file's section (both UTF-8); empty
// when the file, the section or the key is missing.
std::string fileValue(const std::filesystem::path& file, std::string_view section,
                      std::string_view key);

}  // namespace vx::test
