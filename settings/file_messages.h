// What the window and dvftool both tell the user about saving and checking
// a driver font file (UTF-8). The window adds, where the program then ends,
// that it ends.
#pragma once

#include <string_view>

namespace vx {

inline constexpr std::string_view kSavedMessage = "保存しました";
inline constexpr std::string_view kSaveFailedMessage = "保存できませんでした";
inline constexpr std::string_view kVersionMismatchText = "バージョンが一致しません。";

}  // namespace vx
