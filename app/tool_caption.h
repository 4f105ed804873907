// The tool's name in the title bar of its message boxes (UTF-8).
#pragma once

#include <string_view>

namespace vx {

inline constexpr std::string_view kToolCaption = "内蔵フォント設定ツール";

}  // namespace vx
