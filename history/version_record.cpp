#include "history/version_record.h"

#include <algorithm>
#include <array>
#include <utility>

#include "history/file_history.h"
#include "settings/codepage.h"

namespace vx {

namespace fs = std::filesystem;

namespace {

// The first line names the record's layout; another is not read.
constexpr std::string_view kFirstLine = "VXDrvFontTool version record 1";

struct RecordKey {
    std::string_view key;
    std::string VersionRecord::*text;
    std::string ChangeAuthor::*authorText;
};

constexpr std::array<RecordKey, 4> kKeys = {{
    {"user", nullptr, &ChangeAuthor::user},
    {"computer", nullptr, &ChangeAuthor::computer},
    {"program", nullptr, &ChangeAuthor::program},
    {"time", &VersionRecord::time, nullptr},
}};

std::string& field(VersionRecord& record, const RecordKey& key) {
    return key.text != nullptr ? record.*key.text : record.author.*key.authorText;
}

bool hasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (utf8ControlLength(text, i) != 0) return true;
    }
    return false;
}

// Valid UTF-8 (what decodes and encodes back to itself) without control
// characters.
bool plainText(std::string_view text) {
    return !hasControlCharacter(text) && utf8FromUtf16(utf16FromUtf8(text)) == text;
}

// A name as the system gave it, made plain text: bytes of another encoding
// become U+FFFD, control characters "?".
std::string plain(std::string_view text) {
    const std::string decoded = utf8FromUtf16(utf16FromUtf8(text));
    std::string result;
    result.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        if (const std::size_t control = utf8ControlLength(decoded, i); control != 0) {
            result += '?';
            i += control - 1;
        } else {
            result += decoded[i];
        }
    }
    return result;
}

}  // namespace

std::string shownOrUnknown(std::string_view value) {
    return value.empty() ? std::string(kUnknownAuthor) : std::string(value);
}

std::string versionRecordName(std::string_view versionName) {
    return std::string(versionName) + std::string(kVersionRecordExtension);
}

std::optional<std::string> versionOfRecordName(std::string_view name) {
    if (!name.ends_with(kVersionRecordExtension)) return std::nullopt;
    name.remove_suffix(kVersionRecordExtension.size());
    if (!versionSequence(name)) return std::nullopt;
    return std::string(name);
}

std::string formatVersionRecord(const VersionRecord& record) {
    std::string text = std::string(kFirstLine) + "\n";
    VersionRecord copy = record;
    for (const RecordKey& key : kKeys) {
        text += std::string(key.key) + "=" + plain(field(copy, key)) + "\n";
    }
    return text;
}

std::optional<VersionRecord> parseVersionRecord(std::string_view text) {
    if (text.size() > kLargestVersionRecordBytes) return std::nullopt;
    const std::size_t firstEnd = text.find('\n');
    if (firstEnd == std::string_view::npos || text.substr(0, firstEnd) != kFirstLine) {
        return std::nullopt;
    }
    VersionRecord record;
    std::array<bool, kKeys.size()> given{};
    text.remove_prefix(firstEnd + 1);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // cut short
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || !plainText(line)) return std::nullopt;
        // Keys of a later layout are passed over.
        for (std::size_t k = 0; k < kKeys.size(); ++k) {
            if (line.substr(0, eq) != kKeys[k].key) continue;
            // The tool writes each key once: which one to believe is open.
            if (given[k]) return std::nullopt;
            given[k] = true;
            field(record, kKeys[k]) = std::string(line.substr(eq + 1));
        }
    }
    return record;
}

DurableWrite writeVersionRecord(FileLayer& layer, const HistoryFolder& folder,
                                const fs::path& version, const VersionRecord& record) {
    const std::u8string name = version.filename().u8string();
    const fs::path file =
        fs::path(std::u8string(name) +
                 std::u8string(kVersionRecordExtension.begin(), kVersionRecordExtension.end()));
    return writeDurablyIn(layer, folder.held(), formatVersionRecord(record),
                          [&](int) { return file; });
}

VersionRecords::VersionRecords(const HistoryFolder& folder, std::vector<FolderEntry>& others)
    : folder_(folder) {
    std::erase_if(others, [&](const FolderEntry& item) {
        if (item.kind != EntryKind::File) return false;
        std::optional<std::string> version = versionOfRecordName(item.name);
        if (!version) return false;
        found_.emplace(std::move(*version), item.bytes);
        return true;
    });
}

std::optional<VersionRecord> VersionRecords::of(std::string_view versionName) const {
    const auto found = found_.find(versionName);
    if (found == found_.end() || found->second > kLargestVersionRecordBytes) return std::nullopt;
    std::error_code error;
    const std::optional<std::string> text = folder_.read(versionRecordName(versionName), error);
    if (!text || error) return std::nullopt;
    return parseVersionRecord(*text);
}

void removeLeftOverRecords(const HistoryFolder& folder) {
    const std::vector<FolderEntry> entries = folder.entries();
    std::map<std::string, EntryKind, std::less<>> names;
    for (const FolderEntry& item : entries) names.emplace(item.name, item.kind);
    for (const FolderEntry& item : entries) {
        if (item.kind != EntryKind::File) continue;
        const std::optional<std::string> version = versionOfRecordName(item.name);
        if (version && !names.contains(*version)) folder.removeFile(item.name);
    }
}

}  // namespace vx
