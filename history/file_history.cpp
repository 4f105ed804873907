#include "history/file_history.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "settings/durable_write.h"
#include "settings/file_io.h"

namespace vx {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kVersionExtension = ".dvf";
// A file name, then this and the number made from the full path.
constexpr std::size_t kReadableNameBytes = 64;

struct ReasonText {
    std::errc code;
    std::string_view english;
    std::string_view japanese;
};

constexpr ReasonText kReasons[] = {
    {std::errc::permission_denied, "access denied", "アクセスが拒否されました"},
    {std::errc::operation_not_permitted, "access denied", "アクセスが拒否されました"},
    {std::errc::read_only_file_system, "read-only file system", "読み取り専用のドライブです"},
    {std::errc::no_space_on_device, "the disk is full", "ディスクの空き容量が足りません"},
    {std::errc::file_exists, "a file stands where the folder belongs",
     "フォルダの場所に同じ名前のファイルがあります"},
    {std::errc::not_a_directory, "a file stands where the folder belongs",
     "フォルダの場所に同じ名前のファイルがあります"},
    {std::errc::filename_too_long, "the path is too long", "パスが長すぎます"},
    {std::errc::no_such_file_or_directory, "the folder cannot be found",
     "フォルダが見つかりません"},
};

const ReasonText* reasonOf(const std::error_code& error) {
    for (const ReasonText& reason : kReasons) {
        if (error == reason.code) return &reason;
    }
    return nullptr;
}

// "00000012_2024-05-01_10-30-00.dvf": the running number orders the
// versions; the time is what the user is shown.
std::string versionName(long long sequence, const LocalTime& time) {
    char text[128];
    std::snprintf(text, sizeof text, "%08lld_%04d-%02d-%02d_%02d-%02d-%02d", sequence, time.year,
                  time.month, time.day, time.hour, time.minute, time.second);
    return std::string(text) + std::string(kVersionExtension);
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct ParsedName {
    long long sequence = 0;
    std::string time;
};

// The number and time of a version's file name; nullopt for anything else
// in the folder.
std::optional<ParsedName> parseVersionName(std::string_view name) {
    constexpr std::string_view kStampShape = "0000-00-00_00-00-00";
    const std::size_t underscore = name.find('_');
    if (underscore == std::string_view::npos ||
        name.size() != underscore + 1 + kStampShape.size() + kVersionExtension.size() ||
        !name.ends_with(kVersionExtension)) {
        return std::nullopt;
    }
    const std::string_view number = name.substr(0, underscore);
    std::string_view stamp = name.substr(underscore + 1, kStampShape.size());
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const bool digit = stamp[i] >= '0' && stamp[i] <= '9';
        if (kStampShape[i] == '0' ? !digit : stamp[i] != kStampShape[i]) return std::nullopt;
    }
    ParsedName parsed;
    if (!allDigits(number) || number.size() > 15) return std::nullopt;
    std::from_chars(number.data(), number.data() + number.size(), parsed.sequence);
    parsed.time = std::string(stamp);
    parsed.time[10] = ' ';
    parsed.time[13] = parsed.time[16] = ':';
    return parsed;
}

// The full path as one text, the same for every spelling of it.
std::string pathKey(const fs::path& file) {
    std::error_code ec;
    fs::path full = fs::absolute(file, ec);
    if (ec) full = file;
    const std::u8string generic = full.lexically_normal().generic_u8string();
    std::string key(generic.begin(), generic.end());
#ifdef _WIN32
    // Windows file names ignore letter case.
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
#endif
    return key;
}

// FNV-1a, 64 bits, as 16 hexadecimal digits.
std::string hashText(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char digits[24];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

// The file's name, cut at a character boundary when it is very long.
std::u8string readableName(const fs::path& file) {
    std::u8string name = file.filename().u8string();
    if (name.empty()) return u8"file";
    if (name.size() > kReadableNameBytes) {
        std::size_t end = kReadableNameBytes;
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
        name.resize(end);
    }
    return name;
}

}  // namespace

std::string formatLocalTime(const LocalTime& time) {
    char text[128];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

std::string historyReason(const std::error_code& error) {
    const ReasonText* reason = reasonOf(error);
    return reason != nullptr ? std::string(reason->english) : error.message();
}

std::string historyReasonJapanese(const std::error_code& error) {
    const ReasonText* reason = reasonOf(error);
    return reason != nullptr ? std::string(reason->japanese)
                             : "システムのエラー " + std::to_string(error.value());
}

FileHistory::FileHistory(fs::path root, Clock clock)
    : root_(std::move(root)), clock_(std::move(clock)) {}

fs::path FileHistory::folderOf(const fs::path& file) const {
    const std::string hash = hashText(pathKey(file));
    return root_ / (readableName(file) + u8"-" + std::u8string(hash.begin(), hash.end()));
}

std::vector<FileHistory::Entry> FileHistory::entries(const fs::path& folder) {
    std::vector<Entry> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::u8string name = it->path().filename().u8string();
        std::optional<ParsedName> parsed = parseVersionName(
            std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
        std::error_code kind;
        if (parsed && it->is_regular_file(kind)) {
            found.push_back({parsed->sequence, std::move(parsed->time), it->path()});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Entry& a, const Entry& b) { return a.sequence > b.sequence; });
    return found;
}

std::vector<HistoryVersion> FileHistory::versions(const fs::path& file) const {
    std::vector<HistoryVersion> versions;
    if (root_.empty()) return versions;
    for (Entry& entry : entries(folderOf(file))) {
        HistoryVersion version;
        version.number = static_cast<int>(versions.size()) + 1;
        version.time = std::move(entry.time);
        std::error_code ec;
        version.bytes = fs::file_size(entry.file, ec);
        if (ec) version.bytes = 0;
        version.file = std::move(entry.file);
        versions.push_back(std::move(version));
    }
    return versions;
}

std::optional<std::string> FileHistory::read(const HistoryVersion& version) {
    return readFileBytes(version.file);
}

FileHistory::Kept FileHistory::keep(const fs::path& file, std::string_view bytes,
                                    FileLayer& layer) const {
    Kept kept;
    const fs::path folder = folderOf(file);
    auto fail = [&](std::error_code error) {
        kept.problem = HistoryProblem{root_.empty() ? root_ : folder, error};
        return kept;
    };
    if (root_.empty()) return fail(std::make_error_code(std::errc::no_such_file_or_directory));
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec && !fs::is_directory(folder, ec)) ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) return fail(ec);

    const std::vector<Entry> existing = entries(folder);
    if (!existing.empty() && readFileBytes(existing.front().file) == bytes) return kept;

    // On the disk before it has its name, and its name on the disk before
    // the file is replaced. Another program may keep a version of the same
    // file at this moment: a name that is taken is never replaced.
    const LocalTime now = clock_();
    const long long sequence = existing.empty() ? 1 : existing.front().sequence + 1;
    const DurableWrite written = writeDurably(
        layer, bytes, [&](int attempt) { return folder / versionName(sequence + attempt, now); },
        100);
    kept.added = written.file;
    if (written.error) return fail(written.error);
    return kept;
}

void FileHistory::prune(const fs::path& file) const {
    if (root_.empty()) return;
    const std::vector<Entry> existing = entries(folderOf(file));
    for (std::size_t i = kKeptVersions; i < existing.size(); ++i) {
        std::error_code ignored;
        fs::remove(existing[i].file, ignored);
    }
}

}  // namespace vx
