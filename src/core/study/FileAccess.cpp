#include "core/study/FileAccess.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace linealidad {
namespace {

[[noreturn]] void throwLastError() {
    throw fileErrorFor(errno);
}

// A file descriptor that is closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports the failure: a close can be the first to see a write error.
    void close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            throwLastError();
    }

private:
    int fd_;
};

// A temporary file that is removed unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& beside) : descriptor_(create(beside)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    Descriptor& descriptor() { return descriptor_; }
    void renameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0)
            throwLastError();
        path_.clear();
    }

private:
    // Exclusive creation with a name of our own, so an existing file is never taken over;
    // the mode is the one a new file gets (0666 less the umask).
    int create(const std::string& beside) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string candidate =
                beside + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                path_ = std::move(candidate);
                return fd;
            }
            if (errno != EEXIST)
                throwLastError();
        }
        throwLastError();
    }

    std::string path_;
    Descriptor descriptor_;
};

// The file a save replaces: the target of a symbolic link, so the link survives the save.
std::string fileToReplace(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throwLastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Makes the rename itself durable. A failure here changes nothing the user can act on: the
// new file is already in place.
void syncDirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    Descriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

FileError fileErrorFor(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR: // a part of the path is a file: the file named cannot exist
        return FileError("File not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return FileError("File access denied");
    case ENOSPC:
    case EDQUOT:
        return FileError("Disk full");
    default:
        return FileError("I/O error " + std::to_string(errorNumber));
    }
}

std::string readFileBytes(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        throwLastError();
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        throwLastError();
    if (S_ISDIR(info.st_mode))
        throw fileErrorFor(EISDIR);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throwLastError();
        }
        if (count == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

void replaceFileBytes(const std::string& path, std::string_view bytes) {
    const std::string target = fileToReplace(path);
    TemporaryFile temporary(target);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(temporary.descriptor().get(), existing.st_mode & 07777);
    writeAll(temporary.descriptor().get(), bytes);
    if (::fsync(temporary.descriptor().get()) != 0)
        throwLastError();
    temporary.descriptor().close();
    temporary.renameTo(target);
    syncDirectoryOf(target);
}

} // namespace linealidad
