#include "report/file_facts.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <system_error>

#include "history/file_history.h"
#include "report/sha256.h"
#include "settings/codepage.h"
#include "settings/driver_font_file.h"
#include "settings/font_fields.h"
#include "settings/ini_document.h"

namespace vx {

namespace {

std::string utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The time of the file's last change as the user's clock shows it.
std::optional<LocalTime> lastChange(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    const std::time_t time = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(written)));
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &time) != 0) return std::nullopt;
#else
    if (localtime_r(&time, &local) == nullptr) return std::nullopt;
#endif
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace

SheetFile describeSheetFile(const std::filesystem::path& path, const std::string& bytes) {
    SheetFile file;
    std::error_code error;
    // The full path without "." and ".." however the file was named.
    const std::filesystem::path full = std::filesystem::absolute(path, error).lexically_normal();
    file.path = utf8Path(error ? path : full);
    file.version = utf8FromCp932(IniDocument(bytes).read(kVersionSection, kVersionKey, ""));
    file.size = bytes.size();
    if (const std::optional<LocalTime> changed = lastChange(path)) {
        file.modified = formatLocalTime(*changed);
    }
    file.sha256 = sha256Hex(bytes);
    const IniDocument document(bytes);
    SettingsStore store;
    loadDriverFontFile(document, store);
    for (const FontFields& font : listFontFields(store)) {
        if (!document.hasSection(font.fontName)) {
            file.fontsWithoutSection.push_back(utf8FromCp932(font.fontName));
        }
    }
    return file;
}

std::string byteCountText(std::uintmax_t bytes) {
    std::string digits = std::to_string(bytes);
    for (std::size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, ",");
    return digits + " バイト";
}

}  // namespace vx
