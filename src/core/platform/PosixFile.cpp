#include "core/platform/PosixFile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace linealidad::platform {
namespace {

[[noreturn]] void throwLastError() {
    throw std::system_error(errno, std::generic_category());
}

} // namespace

PosixFile PosixFile::openForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throwLastError();
    return PosixFile(fd);
}

std::optional<PosixFile> PosixFile::createNew(const std::string& path, mode_t permissions) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions);
    if (fd >= 0)
        return PosixFile(fd);
    if (errno == EEXIST)
        return std::nullopt;
    throwLastError();
}

std::optional<PosixFile> PosixFile::createUnnamed(const std::string& directory,
                                                  mode_t permissions) {
    // Naming the file later goes through /proc: without it an unnamed file could not be kept.
    if (::access("/proc/self/fd", F_OK) != 0)
        return std::nullopt;
    const int fd = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, permissions);
    if (fd >= 0)
        return PosixFile(fd);
    // File systems without unnamed files say so with EOPNOTSUPP; kernels that predate them
    // take the flag for a directory opened for writing (EISDIR) or reject it (EINVAL).
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
        return std::nullopt;
    throwLastError();
}

std::optional<PosixFile> PosixFile::lockExclusive(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        throwLastError();
    PosixFile file(fd);
    if (!file.isRegular())
        throw std::system_error(EINVAL, std::generic_category());
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return std::nullopt;
        if (errno != EINTR)
            throwLastError();
    }
    return file;
}

PosixFile::PosixFile(PosixFile&& other) noexcept : descriptor_(other.descriptor_) {
    other.descriptor_ = -1;
}

PosixFile& PosixFile::operator=(PosixFile&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0)
            ::close(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

PosixFile::~PosixFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool PosixFile::isRegular() const {
    struct stat info {};
    if (::fstat(descriptor_, &info) != 0)
        throwLastError();
    return S_ISREG(info.st_mode);
}

std::size_t PosixFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(descriptor_, buffer, size);
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            throwLastError();
    }
}

void PosixFile::writeAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throwLastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void PosixFile::setPermissions(mode_t permissions) noexcept {
    ::fchmod(descriptor_, permissions);
}

bool PosixFile::setOwner(uid_t owner, gid_t group) noexcept {
    return ::fchown(descriptor_, owner, group) == 0 ||
           ::fchown(descriptor_, static_cast<uid_t>(-1), group) == 0;
}

void PosixFile::sync() {
    if (::fsync(descriptor_) != 0)
        throwLastError();
}

void PosixFile::close() {
    const int fd = descriptor_;
    descriptor_ = -1;
    if (::close(fd) != 0)
        throwLastError();
}

bool PosixFile::linkAs(const std::string& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(descriptor_);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    throwLastError();
}

FileStatus fileStatus(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {errno == ELOOP ? FileKind::Other : FileKind::None};
    if (!S_ISREG(info.st_mode))
        return {FileKind::Other};
    return {FileKind::Regular, static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
}

bool mayWrite(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

std::string linkTarget(const std::string& path) {
    // As many links as the system itself follows before it gives up (ELOOP).
    constexpr int kMostLinks = 40;
    std::string current = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0 || length == static_cast<ssize_t>(sizeof target))
            return current;
        const std::string named(target, static_cast<std::size_t>(length));
        // A relative link is read from the folder that holds the link.
        const auto slash = current.rfind('/');
        current = named.starts_with('/') || slash == std::string::npos
                      ? named
                      : current.substr(0, slash + 1) + named;
    }
    return current;
}

void renameFile(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        throwLastError();
}

void removeFile(const std::string& path) noexcept {
    ::unlink(path.c_str());
}

void syncDirectory(const std::string& directory) noexcept {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

long processId() {
    return static_cast<long>(::getpid());
}

std::string hostName() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    std::string result(name);
    for (char& c : result)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-')
            c = '_';
    return result.empty() ? "_" : result;
}

bool processRuns(long id) {
    return id > 0 && (::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM);
}

} // namespace linealidad::platform
