// Printers served by Wine's PostScript driver, with their port mapped to a
// file, installed in the test prefix's registry for the duration of a test
// and removed again when the owner goes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vx::test {

struct PostScriptPrinter {
    std::wstring name;
    std::wstring driverName;  // a driver installed with installDriver
    std::wstring port;        // e.g. L"VXSH1A:" (ends in a colon)
    std::wstring outputPath;  // where the port writes: a Unix path
    short resolution = 305;   // default device mode, both directions
};

class PostScriptPrinters {
public:
    PostScriptPrinters() = default;
    PostScriptPrinters(const PostScriptPrinters&) = delete;
    PostScriptPrinters& operator=(const PostScriptPrinters&) = delete;
    ~PostScriptPrinters();

    // A driver served by the PostScript driver, with a description of the
    // device (copied from the one Wine carries) that offers 203 and 305 dpi
    // besides its own resolutions. False and a reason in error() on failure.
    bool installDriver(const std::wstring& driverName);
    // The printer key, its device entry and its port mapping.
    bool add(const PostScriptPrinter& printer);

    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& why);

    std::vector<std::wstring> drivers_;
    std::vector<std::wstring> descriptionFiles_;
    std::vector<PostScriptPrinter> printers_;
    std::string error_;
};

}  // namespace vx::test
