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

class PosixFileLayer : public FileLayer {
public:
    std::unique_ptr<FileReplacement> replacement(const std::filesystem::path& target) override {
        return makeFileReplacement(target);
    }

    std::unique_ptr<NewFile> createNew(const std::filesystem::path& path,
                                       std::error_code& error) override {
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            error = lastError();
            return nullptr;
        }
        error.clear();
        return std::make_unique<PosixNewFile>(fd);
    }

    std::error_code renameNew(const std::filesystem::path& from,
                              const std::filesystem::path& to) override {
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
            return {};
        }
        // File systems without that kind of rename: a second name, which
        // fails as well when the name is taken.
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return lastError();
        if (::link(from.c_str(), to.c_str()) != 0) return lastError();
        ::unlink(from.c_str());
        return {};
    }

    std::error_code syncFolder(const std::filesystem::path& folder) override {
        const std::filesystem::path name = folder.empty() ? "." : folder;
        const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return lastError();
        std::error_code error;
        // Some file systems cannot sync a folder at all; their names are
        // as safe as they can be.
        if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) error = lastError();
        ::close(fd);
        return error;
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
