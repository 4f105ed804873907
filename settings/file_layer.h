// The file operations through which a save reaches the disk. Saves go
// through one such layer, so that tests can see the order of the steps or
// make one of them fail; the program uses the platform's.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "settings/file_io.h"

namespace vx {

// A file just created, open for writing.
class NewFile {
public:
    virtual ~NewFile() = default;  // closes it if still open
    virtual std::error_code write(std::string_view bytes) = 0;
    // Puts the bytes on the disk (fsync, FlushFileBuffers) and closes it.
    virtual std::error_code flush() = 0;
};

// A folder held open (POSIX: its descriptor; Windows: its handle, which no
// one may move or remove while it is held), with its path for messages.
struct HeldFolder {
    std::intptr_t handle = -1;
    std::filesystem::path path;
};

class FileLayer {
public:
    virtual ~FileLayer() = default;
    // The steps of replacing the existing file `target` in one step.
    virtual std::unique_ptr<FileReplacement> replacement(const std::filesystem::path& target) = 0;
    // Creates `path` for writing; fails when anything is there already, a
    // link included, so nothing is ever written through a link.
    virtual std::unique_ptr<NewFile> createNew(const std::filesystem::path& path,
                                               std::error_code& error) = 0;
    // Gives a file another name in the same folder; fails when the name is
    // taken (nothing is replaced).
    virtual std::error_code renameNew(const std::filesystem::path& from,
                                      const std::filesystem::path& to) = 0;
    // Puts the folder's names (new files, renames) on the disk. Where the
    // file system keeps names safe itself, there is nothing to do.
    virtual std::error_code syncFolder(const std::filesystem::path& folder) = 0;
    // createNew, renameNew and syncFolder for names in a held folder: the
    // names are made in that very folder, never in one that a link put in
    // its path meanwhile names (POSIX: relative to its descriptor; Windows:
    // after proving that its path still names the folder held).
    virtual std::unique_ptr<NewFile> createNewIn(const HeldFolder& folder,
                                                 const std::filesystem::path& name,
                                                 std::error_code& error) = 0;
    virtual std::error_code renameNewIn(const HeldFolder& folder,
                                        const std::filesystem::path& from,
                                        const std::filesystem::path& to) = 0;
    virtual std::error_code syncHeldFolder(const HeldFolder& folder) = 0;
    virtual void removeIn(const HeldFolder& folder, const std::filesystem::path& name) = 0;
    // Whether anything is at `path` (a link counts, even a dangling one).
    virtual bool exists(const std::filesystem::path& path) = 0;
    virtual void remove(const std::filesystem::path& path) = 0;
};

// The platform's layer, shared by the whole program.
FileLayer& platformFileLayer();

}  // namespace vx
