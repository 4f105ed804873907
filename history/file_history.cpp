#include "history/file_history.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "settings/driver_font_file.h"
#include "settings/durable_write.h"
#include "settings/file_io.h"

namespace vx {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kVersionExtension = ".dvf";
// Version numbers are written with this many digits and read only so.
constexpr int kSequenceDigits = 8;
constexpr long long kLargestSequence = 99999999;
// A file name, then this and the number made from the full path.
constexpr std::size_t kReadableNameBytes = 64;

// The Japanese of the history's own reasons and of the system's errors
// that a history meets most; others are told by their number.
constexpr std::pair<HistoryError, std::string_view> kHistoryJapanese[] = {
    {HistoryError::Link, "フォルダの場所にリンクがあります（リンクはたどりません）"},
    {HistoryError::ForeignOwner,
     "フォルダの所有者が管理者（Administrators または SYSTEM）ではありません"},
    {HistoryError::OthersMayChange, "管理者のほかにもフォルダを変更できるユーザーがいます"},
    {HistoryError::NumbersUsedUp, "以前の設定の番号を使い切りました"},
};

constexpr std::pair<std::errc, std::string_view> kSystemJapanese[] = {
    {std::errc::permission_denied, "アクセスが拒否されました"},
    {std::errc::operation_not_permitted, "アクセスが拒否されました"},
    {std::errc::read_only_file_system, "読み取り専用のドライブです"},
    {std::errc::no_space_on_device, "ディスクの空き容量が足りません"},
    {std::errc::file_exists, "フォルダの場所に同じ名前のファイルがあります"},
    {std::errc::not_a_directory, "フォルダの場所に同じ名前のファイルがあります"},
    {std::errc::filename_too_long, "パスが長すぎます"},
    {std::errc::no_such_file_or_directory, "フォルダが見つかりません"},
};

// "00000012_2024-05-01_10-30-00.dvf": the running number orders the
// versions; the time is what the user is shown.
std::string versionName(long long sequence, const LocalTime& time) {
    char text[128];
    std::snprintf(text, sizeof text, "%0*lld_%04d-%02d-%02d_%02d-%02d-%02d", kSequenceDigits,
                  sequence, time.year, time.month, time.day, time.hour, time.minute, time.second);
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
    if (underscore != static_cast<std::size_t>(kSequenceDigits) ||
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
    if (!allDigits(number)) return std::nullopt;
    std::from_chars(number.data(), number.data() + number.size(), parsed.sequence);
    parsed.time = std::string(stamp);
    parsed.time[10] = ' ';
    parsed.time[13] = parsed.time[16] = ':';
    return parsed;
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

std::string historyReasonJapanese(const std::error_code& error) {
    for (const auto& [code, japanese] : kHistoryJapanese) {
        if (error == code) return std::string(japanese);
    }
    for (const auto& [code, japanese] : kSystemJapanese) {
        if (error == code) return std::string(japanese);
    }
    return "システムのエラー " + std::to_string(error.value());
}

std::string_view unusableReason(Unusable reason) {
    switch (reason) {
        case Unusable::NotAVersion:
            return "このツールが残したファイルではありません";
        case Unusable::Link:
            return "リンクです（リンクの先は読みません）";
        case Unusable::Unreadable:
            return "読み込めません";
        case Unusable::NotAccepted:
            return "受け付けるバージョンのドライバフォントファイルではありません";
        case Unusable::OthersMayChange:
            return "管理者のほかにも変更できるユーザーがいます";
    }
    return "読み込めません";
}

FileHistory::FileHistory(fs::path root, Clock clock)
    : places_{{}, {}, HistoryRoot::named(root)}, onlyFolder_(true), clock_(std::move(clock)) {}

FileHistory::FileHistory(HistoryPlaces places, Clock clock)
    : places_(std::move(places)), clock_(std::move(clock)) {}

namespace {

// The name of a file's folder: its name and a number made from its full path.
fs::path folderName(const fs::path& file) {
    const std::string hash = hashText(pathKey(file));
    return readableName(file) + u8"-" + std::u8string(hash.begin(), hash.end());
}

}  // namespace

// Every file is named as resolved, links and ".." as the system follows
// them, so that every spelling of one is one history and no spelling files
// its versions under another file. A path without links resolves to itself.
FileHistory::Place FileHistory::placeOf(const fs::path& file) const {
    const fs::path resolved = resolvedPath(file);
    if (onlyFolder_) return {&places_.user, folderName(resolved)};
    return {&historyRootFor(resolved, places_), folderName(resolved)};
}

const HistoryRoot& FileHistory::rootOf(const fs::path& file) const { return *placeOf(file).root; }

fs::path FileHistory::folderOf(const fs::path& file) const {
    const Place place = placeOf(file);
    return place.root->folder() / place.name;
}

fs::path FileHistory::refusedFolder(const HistoryFolder& refused, const fs::path& file) const {
    return refused.path().empty() ? folderOf(file) : refused.path();
}

HistoryFolder FileHistory::openFolderOf(const fs::path& file, bool create,
                                        std::error_code& error) const {
    const Place place = placeOf(file);
    return HistoryFolder::open(*place.root, place.name, create, error);
}

std::vector<FileHistory::Entry> FileHistory::entries(const HistoryFolder& folder,
                                                     std::vector<FolderEntry>* others) {
    std::vector<Entry> found;
    for (FolderEntry& item : folder.entries()) {
        std::optional<ParsedName> parsed = parseVersionName(item.name);
        if (!parsed) {
            if (others != nullptr) others->push_back(std::move(item));
            continue;
        }
        fs::path file = folder.path() / fs::path(std::u8string(item.name.begin(), item.name.end()));
        found.push_back(
            {parsed->sequence, std::move(parsed->time), std::move(file), std::move(item)});
    }
    std::sort(found.begin(), found.end(),
              [](const Entry& a, const Entry& b) { return a.sequence > b.sequence; });
    return found;
}

namespace {

// What keeps a version from being offered back, after reading it.
std::optional<Unusable> unusableVersion(const FolderEntry& item, const HistoryFolder& folder,
                                        std::string& contents) {
    if (item.kind == EntryKind::Link) return Unusable::Link;
    if (item.kind != EntryKind::File) return Unusable::NotAVersion;
    std::error_code error;
    std::optional<std::string> bytes = folder.read(item.name, error);
    if (error == HistoryError::Link) return Unusable::Link;
    if (error == HistoryError::OthersMayChange || error == HistoryError::ForeignOwner) {
        return Unusable::OthersMayChange;
    }
    if (!bytes) return Unusable::Unreadable;
    if (!isSupportedFileVersion(IniDocument(*bytes))) return Unusable::NotAccepted;
    contents = std::move(*bytes);
    return std::nullopt;
}

}  // namespace

HistoryListing FileHistory::listIn(const HistoryFolder& folder) {
    HistoryListing listing;
    std::vector<FolderEntry> others;
    int number = 0;
    std::vector<Entry> found = entries(folder, &others);
    const VersionRecords records(folder, others);
    for (Entry& entry : found) {
        HistoryVersion version;
        version.unusable = unusableVersion(entry.found, folder, version.contents);
        if (!version.unusable) version.number = ++number;
        version.record = records.of(entry.found.name);
        version.time = std::move(entry.time);
        version.bytes = entry.found.bytes;
        version.file = std::move(entry.file);
        listing.entries.push_back(std::move(version));
    }
    std::sort(others.begin(), others.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    for (const FolderEntry& item : others) {
        HistoryVersion version;
        version.unusable = item.kind == EntryKind::Link ? Unusable::Link : Unusable::NotAVersion;
        version.bytes = item.bytes;
        version.file = folder.path() / fs::path(std::u8string(item.name.begin(), item.name.end()));
        listing.entries.push_back(std::move(version));
    }
    return listing;
}

std::vector<FileHistory::Entry> FileHistory::usableEntries(const HistoryFolder& folder,
                                                           std::string* newest) {
    std::vector<Entry> usable;
    for (Entry& entry : entries(folder)) {
        std::string contents;
        if (unusableVersion(entry.found, folder, contents)) continue;
        if (newest != nullptr && usable.empty()) *newest = std::move(contents);
        usable.push_back(std::move(entry));
    }
    return usable;
}

void FileHistory::removeLeftovers(const HistoryFolder& folder) {
    for (const FolderEntry& item : folder.entries()) {
        const std::optional<std::string> version = temporaryNameFor(item.name);
        if (item.kind == EntryKind::File && version &&
            (parseVersionName(*version) || versionOfRecordName(*version))) {
            folder.removeFile(item.name);
        }
    }
}

DurableWrite FileHistory::writeVersion(const HistoryFolder& folder, std::string_view bytes,
                                       long long sequence, const LocalTime& now,
                                       FileLayer& layer) const {
    const int attempts =
        static_cast<int>(std::min<long long>(100, kLargestSequence - sequence + 1));
    return writeDurablyIn(
        layer, folder.held(), bytes,
        [&](int attempt) { return fs::path(versionName(sequence + attempt, now)); }, attempts);
}

HistoryListing FileHistory::list(const fs::path& file) const {
    std::error_code error;
    const HistoryFolder folder = openFolderOf(file, false, error);
    if (!error) return listIn(folder);
    HistoryListing listing;
    // No folder yet: no versions, and nothing wrong.
    if (error != std::errc::no_such_file_or_directory) {
        listing.problem = HistoryProblem{refusedFolder(folder, file), error};
    }
    return listing;
}

std::vector<HistoryVersion> FileHistory::versions(const fs::path& file) const {
    std::vector<HistoryVersion> usable;
    for (HistoryVersion& version : list(file).entries) {
        if (!version.unusable) usable.push_back(std::move(version));
    }
    return usable;
}

std::optional<std::string> FileHistory::read(const HistoryVersion& version) {
    if (version.unusable) return std::nullopt;
    return version.contents;
}

FileHistory::Kept FileHistory::keep(const fs::path& file, std::string_view bytes,
                                    FileLayer& layer) const {
    Kept kept;
    const fs::path folder = folderOf(file);
    const bool noRoot = rootOf(file).empty();
    auto fail = [&](std::error_code error) {
        kept.problem = HistoryProblem{noRoot ? fs::path() : folder, error};
        return kept;
    };
    if (noRoot) return fail(std::make_error_code(std::errc::no_such_file_or_directory));
    std::error_code ec;
    // Held open while the version is written: no link, and on Windows not
    // to be moved or replaced meanwhile.
    const HistoryFolder opened = openFolderOf(file, true, ec);
    if (ec) {
        kept.problem = HistoryProblem{refusedFolder(opened, file), ec};
        return kept;
    }

    // The caller holds the file's lock: no save of it is writing here.
    removeLeftovers(opened);
    // Numbered after the newest usable version: whatever else bears a
    // version's name (planted, unreadable) neither uses numbers up nor
    // counts as kept.
    std::string newest;
    const std::vector<Entry> own = usableEntries(opened, &newest);
    if (!own.empty() && newest == bytes) return kept;
    if (!own.empty() && own.front().sequence >= kLargestSequence) {
        return fail(HistoryError::NumbersUsedUp);
    }

    // On the disk before it has its name, and its name on the disk before
    // the file is replaced. Another program may keep a version of the same
    // file at this moment, and a planted file may bear the name: a name
    // that is taken is never replaced.
    const long long sequence = own.empty() ? 1 : own.front().sequence + 1;
    const LocalTime now = clock_();
    const DurableWrite written = writeVersion(opened, bytes, sequence, now, layer);
    kept.added = written.file;
    if (written.error) return fail(written.error);
    // A record that cannot be written leaves the version whole: its author
    // is then unknown.
    if (author_) {
        writeVersionRecord(layer, opened, *written.file, {*author_, formatLocalTime(now)});
    }
    return kept;
}

void FileHistory::removeVersion(const fs::path& file, const fs::path& added) const {
    std::error_code error;
    const HistoryFolder folder = openFolderOf(file, false, error);
    const std::u8string name = added.filename().u8string();
    if (error) return;
    const std::string version(name.begin(), name.end());
    folder.removeFile(versionRecordName(version));
    folder.removeFile(version);
}

void FileHistory::prune(const fs::path& file) const {
    std::error_code error;
    const HistoryFolder folder = openFolderOf(file, false, error);
    if (error) return;
    const std::vector<Entry> own = usableEntries(folder);
    if (own.size() <= kKeptVersions) return;
    // Only regular files named as versions; removeFile takes nothing else.
    const long long oldestKept = own[kKeptVersions - 1].sequence;
    for (const Entry& entry : entries(folder)) {
        if (entry.sequence < oldestKept) folder.removeFile(entry.found.name);
    }
    removeLeftOverRecords(folder);
}

std::optional<long long> versionSequence(std::string_view fileName) {
    const std::optional<ParsedName> parsed = parseVersionName(fileName);
    if (!parsed) return std::nullopt;
    return parsed->sequence;
}

}  // namespace vx
