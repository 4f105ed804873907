// Comparing one read or one listing of our document with the platform's
// profile functions, with failure texts that show the bytes involved.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_document.h"
#include "tests/settings/win32/platform_profile.h"

namespace vx::test {

// What a read gives when the key or section is missing; no value that the
// tests write or put in a file equals it.
inline constexpr std::string_view kMissing = "(missing)";

// A code page 932 text for a failure message: UTF-8, with control
// characters escaped, in quotes.
std::string show(std::string_view cp932);
std::string show(const std::vector<std::string>& names);

// The text of a file for a failure message, one line per line of text.
std::string showText(std::string_view cp932);

// Both read `key` of `section`: nullopt when they agree, else what differs.
// The platform reads into 260 UTF-16 characters; our reads are cut to
// 259 bytes, the same value cut at 259 bytes is what is compared.
std::optional<std::string> compareRead(const IniDocument& ours, const ProfileFile& platform,
                                       std::string_view section, std::string_view key);

// Both list the key names of `section`.
std::optional<std::string> compareKeyNames(const IniDocument& ours, const ProfileFile& platform,
                                           std::string_view section);

}  // namespace vx::test
