// The texts that report a save's outcome to the user (UTF-8), shared by the
// window and dvftool.
#pragma once

#include <string_view>

namespace vx {

inline constexpr std::string_view kSavedMessage = "保存しました";
inline constexpr std::string_view kSaveFailedMessage = "保存できませんでした";

}  // namespace vx
