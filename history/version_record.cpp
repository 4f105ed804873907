#include "history/version_record.h"

#include <array>
#include <utility>

#include "history/file_history.h"

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

// The length of the UTF-8 character at text[i]; 0 when it is not one.
std::size_t utf8Length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
                                       : lead >= 0xE0 && lead < 0xF0   ? 3
                                       : lead >= 0xF0 && lead < 0xF5   ? 4
                                                                       : 0;
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    // Overlong three- and four-byte forms, surrogates and beyond U+10FFFF.
    if ((lead == 0xE0 && byte(i + 1) < 0xA0) || (lead == 0xED && byte(i + 1) >= 0xA0) ||
        (lead == 0xF0 && byte(i + 1) < 0x90) || (lead == 0xF4 && byte(i + 1) >= 0x90)) {
        return 0;
    }
    return length;
}

// Valid UTF-8 without control characters.
bool plainText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(text, i);
        if (length == 0 || (length == 1 && (text[i] < 0x20 || text[i] == 0x7F))) return false;
        i += length;
    }
    return true;
}

// A name as the system gave it, made plain text: what is not (bytes of
// another encoding, control characters) becomes "?".
std::string plain(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8Length(text, i);
        if (length == 0 || (length == 1 && (text[i] < 0x20 || text[i] == 0x7F))) {
            result += '?';
            i += length == 0 ? 1 : length;
            continue;
        }
        result.append(text.substr(i, length));
        i += length;
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
    text.remove_prefix(firstEnd + 1);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // cut short
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || !plainText(line)) return std::nullopt;
        // Keys of a later layout are passed over.
        for (const RecordKey& key : kKeys) {
            if (line.substr(0, eq) == key.key) field(record, key) = std::string(line.substr(eq + 1));
        }
    }
    return record;
}

DurableWrite writeVersionRecord(FileLayer& layer, const fs::path& version,
                                const VersionRecord& record) {
    const std::u8string name = version.filename().u8string();
    const fs::path file =
        version.parent_path() /
        fs::path(std::u8string(name) +
                 std::u8string(kVersionRecordExtension.begin(), kVersionRecordExtension.end()));
    return writeDurably(layer, formatVersionRecord(record), [&](int) { return file; });
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
