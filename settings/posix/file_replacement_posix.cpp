// Replacement by rename(2): the temporary file is written, synced and
// renamed over the target, which is atomic within one directory.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include "settings/durable_write.h"
#include "settings/file_io.h"

namespace vx {

namespace {

class PosixFileReplacement : public FileReplacement {
public:
    explicit PosixFileReplacement(std::filesystem::path target) : target_(std::move(target)) {}
    ~PosixFileReplacement() override { discard(); }

    bool openTemporary() override {
        struct stat st {};
        // Only an existing, writable regular file is replaced; a read-only
        // file stays read-only (rename would otherwise ignore its mode).
        if (::stat(target_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
        if ((st.st_mode & S_IWUSR) == 0) return false;
        // A name of the tool's own pattern, so that one a crash leaves is
        // known as the tool's and removed by a later save.
        const std::filesystem::path temporary = temporaryNameBeside(target_);
        fd_ = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                     0600);
        if (fd_ < 0) return false;
        temp_ = temporary.string();
        if (::fchmod(fd_, st.st_mode & 07777) != 0) return false;
        if (::geteuid() == 0 && ::fchown(fd_, st.st_uid, st.st_gid) != 0) return false;
        return true;
    }

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    bool flush() override {
        bool ok = ::fsync(fd_) == 0;
        ok = ::close(fd_) == 0 && ok;
        fd_ = -1;
        return ok;
    }

    bool commit() override {
        if (::rename(temp_.c_str(), target_.c_str()) != 0) return false;
        temp_.clear();
        return true;
    }

    void discard() override {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        if (!temp_.empty()) ::unlink(temp_.c_str());
        temp_.clear();
    }

private:
    std::filesystem::path target_;
    std::string temp_;
    int fd_ = -1;
};

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
    if (!fileExists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    // Read no further than the limit, whatever size the file claims (it
    // may grow while it is read).
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxFileBytes) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool isSymbolicLink(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::unique_ptr<FileReplacement> makeFileReplacement(const std::filesystem::path& target) {
    return std::make_unique<PosixFileReplacement>(target);
}

}  // namespace vx
