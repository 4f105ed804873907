// The real main window opened in-process, with a printer chooser that
// answers from a list and a locator that points at a driver font file in a
// temporary directory.
#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "printer/printer_binding.h"
#include "settings/settings_store.h"

namespace vx::test {

inline const std::wstring kToolCaption = L"内蔵フォント設定ツール";
inline const std::wstring kMainTitle = L"ZEL Vextora 内蔵フォント設定ツール";

// Answers each selection with the next prepared answer (nothing = Cancel)
// and records the name it was given as the current one.
class ScriptedChooser : public PrinterChooser {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> currentNames;

    std::optional<std::string> choose(const std::string& currentPrinterName) override;
};

// A directory of its own under the temporary directory, removed with
// everything in it when the owner goes.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// A driver font file of every family (version 2), copied from the test data.
std::string sampleDriverFontFile();

// Pumps this thread's messages (each through the window's own filter when
// a window is given) until none is left. It gives the window no idle moment.
void pumpMessages(MainWindow* window = nullptr);

// A key pressed and released, with or without Ctrl held.
struct Keystroke {
    WPARAM key;
    bool control = false;
};
// Keys typed ahead: queued at once, then taken by pumpMessages in their
// order, each by the window that has the focus when it is taken (the active
// window without one), as the system hands out typed keys. Ctrl counts as
// held from its own down stroke to its up stroke.
void typeAhead(const std::vector<Keystroke>& keys);

// Whether this process can create windows (Wine needs an X display).
bool canCreateWindows();

// Text of this process's id, to make names unique among parallel tests.
std::wstring processTag();

// A Unix path as Windows programs under Wine see it (drive Z:).
std::wstring windowsPathOf(const std::wstring& unixPath);

// Everything the main window needs, and the window itself once opened.
struct ShellHarness {
    explicit ShellHarness(Spooler& spooler, std::string printerName = "Label printer");

    // Opens the window; the chooser's first answer binds the printer.
    bool open();
    // The same, then nothing: no message handled, no idle moment.
    bool openOnly();

    TemporaryDirectory directory;
    std::filesystem::path driverFontFile;
    SettingsStore store;
    ScriptedChooser chooser;
    std::vector<std::string> locatedNames;
    std::unique_ptr<MainWindow> window;

private:
    Spooler& spooler_;
};

}  // namespace vx::test
