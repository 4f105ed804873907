// The process environment and the Windows version and directory, from
// kernel32 and ntdll.
#pragma once

#include "printer/printer_binding.h"

namespace vx {

class Win32Environment : public SystemEnvironment {
public:
    std::optional<std::string> variable(std::string_view name) const override;
    std::optional<WindowsVersion> windowsVersion() const override;
    std::optional<std::string> windowsDirectory() const override;
};

}  // namespace vx
