// Reading a whole file, and replacing a whole file in one step so that a
// failure at any point leaves the original exactly as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// Files larger than this are not read: a driver font file is about 20 KB,
// and reading anything far larger could exhaust the memory.
inline constexpr std::uintmax_t kMaxFileBytes = 16u * 1024 * 1024;

// The file's bytes; nullopt when it is missing, cannot be read or is larger
// than kMaxFileBytes.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Whether the file at `path` is larger than kMaxFileBytes.
bool fileTooLarge(const std::filesystem::path& path);

bool fileExists(const std::filesystem::path& path);

// Whether `path` itself is a symbolic link (on Windows any reparse point),
// whatever it points to. Saves refuse such a file: a replacement would put
// a file in the link's place and leave the file it names as it was.
bool isSymbolicLink(const std::filesystem::path& path);

// Whether both paths name one existing file, however spelled (so that an
// output can be refused where it would take a driver font file's place).
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The steps of one replacement: a temporary file beside the target is
// written and flushed, then put in the target's place (keeping the target's
// attributes). Each step reports whether it succeeded.
class FileReplacement {
public:
    virtual ~FileReplacement() = default;
    virtual bool openTemporary() = 0;
    virtual bool write(std::string_view bytes) = 0;
    virtual bool flush() = 0;
    virtual bool commit() = 0;
    // Removes the temporary file after a failed step.
    virtual void discard() = 0;
};

// The platform's replacement of an existing file.
std::unique_ptr<FileReplacement> makeFileReplacement(const std::filesystem::path& target);

class FileLayer;

// Runs the steps in order; on the first failure discards and returns false.
bool replaceFileContents(FileReplacement& replacement, std::string_view bytes);

enum class ReplaceOutcome {
    Replaced,      // the file holds the new bytes, its folder synced
    NotConfirmed,  // the file holds the new bytes; the folder's sync failed
    Failed,        // the file holds no new bytes
};
// Replaces the file through the layer, then syncs its folder so that the
// new name is on the disk. When a failed step left nothing at the file's
// name, the new bytes are put there as a new file.
ReplaceOutcome replaceWholeFile(FileLayer& layer, const std::filesystem::path& target,
                                std::string_view bytes);
// replaceWholeFile, true only when Replaced.
bool replaceFileContents(FileLayer& layer, const std::filesystem::path& target,
                         std::string_view bytes);
bool replaceFileContents(const std::filesystem::path& target, std::string_view bytes);

// Puts `bytes` at `path` for a program's output (a picture, a sheet, a
// version written out): an existing file is replaced in one step, a new one
// is written whole before it takes the name. Never writes through a link:
// a link at `path` is replaced, not followed. False when nothing was
// written; an existing file is then as it was.
ReplaceOutcome writeOutputFile(FileLayer& layer, const std::filesystem::path& path,
                               std::string_view bytes);
bool saveOutputFile(FileLayer& layer, const std::filesystem::path& path, std::string_view bytes);
bool saveOutputFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vx
