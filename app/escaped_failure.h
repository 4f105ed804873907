// What the window tells when something escapes one of its commands: the
// command is stopped and the window goes on (UTF-8).
#pragma once

#include <stdexcept>
#include <string>

namespace vx {

std::string escapedFailureText(const std::exception& escaped);

}  // namespace vx
