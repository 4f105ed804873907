#include "tests/printer/fake_spooler.h"

#include <stdexcept>

namespace vx {

namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

}  // namespace

FakeSpooler& FakeSpooler::add(FakePrinter printer) {
    printers_.push_back(std::move(printer));
    return *this;
}

FakeSpooler& FakeSpooler::add(std::string_view name, std::string_view driverNameCp932,
                              std::uint32_t status) {
    FakePrinter printer;
    printer.name = name;
    printer.driverName = driverNameCp932;
    printer.status = status;
    return add(std::move(printer));
}

FakePrinter& FakeSpooler::printer(std::string_view name) {
    FakePrinter* found = find(name);
    if (found == nullptr) throw std::out_of_range("no fake printer " + std::string(name));
    return *found;
}

FakePrinter* FakeSpooler::find(std::string_view name) {
    for (FakePrinter& printer : printers_) {
        if (printer.name == name) return &printer;
    }
    return nullptr;
}

std::optional<std::vector<PrinterEntry>> FakeSpooler::localPrinters() {
    log_.push_back("enumerate");
    if (enumerationFails_) return std::nullopt;
    std::vector<PrinterEntry> entries;
    for (const FakePrinter& printer : printers_) {
        entries.push_back({printer.name, printer.driverName, printer.status});
    }
    return entries;
}

std::uint32_t FakeSpooler::queueStatus(std::string_view printerName) {
    log_.push_back("queue " + std::string(printerName));
    const FakePrinter* printer = find(printerName);
    return printer == nullptr || printer->openFails ? 0 : printer->queueStatus;
}

std::optional<Spooler::Handle> FakeSpooler::openPrinter(std::string_view name) {
    FakePrinter* printer = find(name);
    if (printer == nullptr || printer->openFails) {
        log_.push_back("open-failed " + std::string(name));
        return std::nullopt;
    }
    ++opens_;
    log_.push_back("open " + std::string(name));
    Handle handle = nextHandle_++;
    open_[handle] = std::string(name);
    return handle;
}

std::optional<PrinterInfo> FakeSpooler::printerInfo(Handle handle) {
    auto it = open_.find(handle);
    if (it == open_.end()) throw std::logic_error("printer info read through a closed handle");
    FakePrinter& printer = *find(it->second);
    log_.push_back("info " + printer.name);
    if (printer.infoFails) return std::nullopt;
    return PrinterInfo{printer.driverName, printer.verticalResolution, printer.paper};
}

bool FakeSpooler::closePrinter(Handle handle) {
    auto it = open_.find(handle);
    if (it == open_.end()) throw std::logic_error("printer closed twice");
    std::string name = it->second;
    open_.erase(it);
    ++closes_;
    log_.push_back("close " + name);
    return !find(name)->closeFails;
}

FakeEnvironment& FakeEnvironment::set(std::string_view name, std::string_view value) {
    variables_[upper(name)] = std::string(value);
    return *this;
}

FakeEnvironment& FakeEnvironment::unset(std::string_view name) {
    variables_.erase(upper(name));
    return *this;
}

FakeEnvironment& FakeEnvironment::setWindowsVersion(std::optional<WindowsVersion> version) {
    version_ = version;
    return *this;
}

FakeEnvironment& FakeEnvironment::setWindowsDirectory(std::optional<std::string> directory) {
    windowsDirectory_ = std::move(directory);
    return *this;
}

std::optional<std::string> FakeEnvironment::variable(std::string_view name) const {
    auto it = variables_.find(upper(name));
    if (it == variables_.end()) return std::nullopt;
    return it->second;
}

}  // namespace vx
