#include "core/platform/PosixFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace linealidad::platform {
namespace {

[[noreturn]] void throwLastError() {
    throw std::system_error(errno, std::generic_category());
}

} // namespace

PosixFile PosixFile::openForReading(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throwLastError();
    return PosixFile(fd);
}

std::optional<PosixFile> PosixFile::createNew(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0)
        return PosixFile(fd);
    if (errno == EEXIST)
        return std::nullopt;
    throwLastError();
}

PosixFile::PosixFile(PosixFile&& other) noexcept : descriptor_(other.descriptor_) {
    other.descriptor_ = -1;
}

PosixFile::~PosixFile() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool PosixFile::isDirectory() const {
    struct stat info {};
    if (::fstat(descriptor_, &info) != 0)
        throwLastError();
    return S_ISDIR(info.st_mode);
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

std::optional<mode_t> regularFilePermissions(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return info.st_mode & 07777;
}

std::string linkTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
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

} // namespace linealidad::platform
