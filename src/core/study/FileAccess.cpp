#include "core/study/FileAccess.h"

#include "core/platform/PosixFile.h"

#include <cerrno>
#include <system_error>

namespace linealidad {
namespace {

using platform::PosixFile;

// Runs a file operation, turning the system's error into the file error the user reads.
template <typename Operation> auto withFileErrors(Operation operation) {
    try {
        return operation();
    } catch (const std::system_error& e) {
        throw fileErrorFor(e.code().value());
    }
}

// A temporary file beside the target, removed unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& beside) : file_(create(beside)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty())
            platform::removeFile(path_);
    }
    PosixFile& file() { return file_; }
    void renameTo(const std::string& target) {
        platform::renameFile(path_, target);
        path_.clear();
    }

private:
    // A name of our own: the process number keeps two programs apart, the attempt number
    // steps past names left behind.
    PosixFile create(const std::string& beside) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string candidate = beside + ".tmp-" + std::to_string(platform::processId()) + "-" +
                                    std::to_string(attempt);
            if (auto file = PosixFile::createNew(candidate)) {
                path_ = std::move(candidate);
                return std::move(*file);
            }
        }
        throw std::system_error(EEXIST, std::generic_category());
    }

    std::string path_;
    PosixFile file_;
};

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
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

std::string readFileBytes(const std::string& path, std::size_t limit) {
    return withFileErrors([&] {
        PosixFile file = PosixFile::openForReading(path);
        if (file.isDirectory())
            throw fileErrorFor(EISDIR);
        std::string bytes;
        char buffer[65536];
        while (bytes.size() <= limit) {
            const std::size_t wanted = std::min(sizeof buffer, limit + 1 - bytes.size());
            const std::size_t count = file.read(buffer, wanted);
            if (count == 0)
                break;
            bytes.append(buffer, count);
        }
        return bytes;
    });
}

void replaceFileBytes(const std::string& path, std::string_view bytes) {
    withFileErrors([&] {
        // The target of a symbolic link is replaced, so the link survives the save.
        const std::string target = platform::linkTarget(path);
        TemporaryFile temporary(target);
        if (const auto permissions = platform::regularFilePermissions(target))
            temporary.file().setPermissions(*permissions);
        temporary.file().writeAll(bytes);
        temporary.file().sync();
        temporary.file().close();
        temporary.renameTo(target);
        // Makes the rename itself durable. Nothing the user can act on can fail here: the
        // new file is already in place.
        platform::syncDirectory(directoryOf(target));
    });
}

} // namespace linealidad
