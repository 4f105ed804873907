// The file layer on POSIX systems: new files with O_EXCL | O_NOFOLLOW,
// fsync before close, renames that never replace, and fsync of the folder
// for its names.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "settings/file_layer.h"

namespace vx {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

class PosixNewFile : public NewFile {
public:
    explicit PosixNewFile(int fd) : fd_(fd) {}
    ~PosixNewFile() override {
        if (fd_ >= 0) ::close(fd_);
    }

    std::error_code write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return lastError();
            if (n == 0) return std::make_error_code(std::errc::io_error);
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return {};
    }

    std::error_code flush() override {
        std::error_code error;
        if (::fsync(fd_) != 0) error = lastError();
        if (::close(fd_) != 0 && !error) error = lastError();
        fd_ = -1;
        return error;
    }

private:
    int fd_;
};

std::unique_ptr<NewFile> createAt(int folder, const std::filesystem::path& path,
                                  std::error_code& error) {
    const int fd =
        ::openat(folder, path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = lastError();
        return nullptr;
    }
    error.clear();
    return std::make_unique<PosixNewFile>(fd);
}

std::error_code renameAt(int folder, const std::filesystem::path& from,
                         const std::filesystem::path& to) {
    if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return {};
    // File systems without that kind of rename: a second name, which fails
    // as well when the name is taken.
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return lastError();
    if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) return lastError();
    ::unlinkat(folder, from.c_str(), 0);
    return {};
}

std::error_code syncOpen(int folder) {
    // Some file systems cannot sync a folder at all; their names are as
    // safe as they can be.
    if (::fsync(folder) != 0 && errno != EINVAL && errno != ENOTSUP) return lastError();
    return {};
}

class PosixFileLayer : public FileLayer {
public:
    std::unique_ptr<FileReplacement> replacement(const std::filesystem::path& target) override {
        return makeFileReplacement(target);
    }

    std::unique_ptr<NewFile> createNew(const std::filesystem::path& path,
                                       std::error_code& error) override {
        return createAt(AT_FDCWD, path, error);
    }

    std::error_code renameNew(const std::filesystem::path& from,
                              const std::filesystem::path& to) override {
        return renameAt(AT_FDCWD, from, to);
    }

    std::error_code syncFolder(const std::filesystem::path& folder) override {
        const std::filesystem::path name = folder.empty() ? "." : folder;
        const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return lastError();
        const std::error_code error = syncOpen(fd);
        ::close(fd);
        return error;
    }

    std::unique_ptr<NewFile> createNewIn(const HeldFolder& folder,
                                         const std::filesystem::path& name,
                                         std::error_code& error) override {
        return createAt(static_cast<int>(folder.handle), name, error);
    }

    std::error_code renameNewIn(const HeldFolder& folder, const std::filesystem::path& from,
                                const std::filesystem::path& to) override {
        return renameAt(static_cast<int>(folder.handle), from, to);
    }

    std::error_code syncHeldFolder(const HeldFolder& folder) override {
        return syncOpen(static_cast<int>(folder.handle));
    }

    void removeIn(const HeldFolder& folder, const std::filesystem::path& name) override {
        ::unlinkat(static_cast<int>(folder.handle), name.c_str(), 0);
    }

    bool exists(const std::filesystem::path& path) override {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0;
    }

    void remove(const std::filesystem::path& path) override { ::unlink(path.c_str()); }
};

}  // namespace

FileLayer& platformFileLayer() {
    static PosixFileLayer layer;
    return layer;
}

}  // namespace vx
