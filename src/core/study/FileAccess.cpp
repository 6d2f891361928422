#include "core/study/FileAccess.h"

#include "core/platform/PosixFile.h"

#include <cerrno>
#include <filesystem>
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

// The names of the program's own temporary files: short, so a target whose name is as long as
// the system allows can still be saved, and recognisable, so one left behind by a program that
// was killed is found and removed. They carry the machine and the process that made them: a
// folder shared over the network may hold the files of a save in progress elsewhere.
constexpr std::string_view kTemporaryPrefix = ".linealidad-";
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string temporaryName(const std::string& directory, int attempt) {
    return directory + "/" + std::string(kTemporaryPrefix) + platform::hostName() + "-" +
           std::to_string(platform::processId()) + "-" + std::to_string(attempt) +
           std::string(kTemporarySuffix);
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.size() <= 9 &&
           text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process of this machine that made a temporary file, by the file's name; 0 when the name
// is not one of ours or was made on another machine.
long temporaryOwner(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return 0;
    name.remove_prefix(kTemporaryPrefix.size());
    name.remove_suffix(kTemporarySuffix.size());
    const auto attemptDash = name.rfind('-');
    if (attemptDash == std::string_view::npos || !allDigits(name.substr(attemptDash + 1)))
        return 0;
    name = name.substr(0, attemptDash);
    const auto processDash = name.rfind('-');
    if (processDash == std::string_view::npos || !allDigits(name.substr(processDash + 1)) ||
        name.substr(0, processDash) != platform::hostName())
        return 0;
    return std::stol(std::string(name.substr(processDash + 1)));
}

// Removes the temporary files of programs of this machine that no longer run: they were killed
// in the middle of a save (or the power failed) and nothing else would ever remove them.
void removeStaleTemporaries(const std::string& directory) noexcept {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        const long owner = temporaryOwner(entry->path().filename().string());
        if (owner != 0 && owner != platform::processId() && !platform::processRuns(owner))
            platform::removeFile(entry->path().string());
    }
}

// The new content on its way into place. Where the file system can, it is written to a file
// without a name, which vanishes with the process if the process dies before the save ends; it
// gets a name only once it is complete. Elsewhere it is written under a temporary name of its
// own beside the target. Either is removed unless it was moved into place.
class NewContent {
public:
    explicit NewContent(const std::string& directory)
        : directory_(directory), file_(create(directory)) {}
    NewContent(const NewContent&) = delete;
    NewContent& operator=(const NewContent&) = delete;
    ~NewContent() {
        if (!path_.empty())
            platform::removeFile(path_);
    }
    PosixFile& file() { return file_; }

    // Puts the complete file in place of `target` at once (a reader sees the old content or
    // the new one, never a part) and closes it.
    void moveTo(const std::string& target) {
        // A new target is simply the unnamed file's first name.
        if (unnamed_ && file_.linkAs(target)) {
            file_.close();
            return;
        }
        if (unnamed_)
            path_ = linkUnderTemporaryName();
        // Closed first: a close can be the first to report a failed write.
        file_.close();
        platform::renameFile(path_, target);
        path_.clear();
    }

private:
    static constexpr int kAttempts = 100;

    PosixFile create(const std::string& directory) {
        if (auto file = PosixFile::createUnnamed(directory)) {
            unnamed_ = true;
            return std::move(*file);
        }
        // The attempt number steps past names of this process left behind.
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            std::string candidate = temporaryName(directory, attempt);
            if (auto file = PosixFile::createNew(candidate)) {
                path_ = std::move(candidate);
                return std::move(*file);
            }
        }
        throw std::system_error(EEXIST, std::generic_category());
    }

    std::string linkUnderTemporaryName() {
        for (int attempt = 0; attempt < kAttempts; ++attempt)
            if (std::string name = temporaryName(directory_, attempt); file_.linkAs(name))
                return name;
        throw std::system_error(EEXIST, std::generic_category());
    }

    std::string directory_;
    bool unnamed_ = false;
    std::string path_; // the temporary name, while the file has one to be removed
    PosixFile file_;
};

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// A file its permissions keep from being written is not replaced: the rename would go
// through, since it needs only the folder, and silently undo the protection. A file without
// any write permission counts as read-only for the superuser too.
void refuseReadOnly(const std::string& path, const std::string& target) {
    const auto permissions = platform::regularFilePermissions(target);
    if (permissions && ((*permissions & 0222) == 0 || !platform::mayWrite(target)))
        throw FileError("El archivo \"" + path + "\" es de solo lectura: no se reemplazó.");
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
        refuseReadOnly(path, target);
        const std::string directory = directoryOf(target);
        NewContent content(directory);
        if (const auto permissions = platform::regularFilePermissions(target))
            content.file().setPermissions(*permissions);
        content.file().writeAll(bytes);
        content.file().sync();
        content.moveTo(target);
        // Makes the new name itself durable. Nothing the user can act on can fail here: the
        // new file is already in place.
        platform::syncDirectory(directory);
        removeStaleTemporaries(directory);
    });
}

} // namespace linealidad
