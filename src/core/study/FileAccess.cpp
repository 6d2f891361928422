#include "core/study/FileAccess.h"

#include "core/platform/PosixFile.h"
#include "core/study/ReplacementFile.h"

#include <cerrno>
#include <system_error>

namespace linealidad {
namespace {

using platform::FileKind;
using platform::FileStatus;
using platform::PosixFile;

// Runs a file operation, turning the system's error into the file error the user reads.
template <typename Operation> auto withFileErrors(Operation operation) {
    try {
        return operation();
    } catch (const std::system_error& e) {
        throw fileErrorFor(e.code().value());
    }
}

NamedFileError notRegular(const std::string& path, const std::string& consequence) {
    return NamedFileError("El archivo \"" + path + "\" no es un archivo normal: " + consequence +
                          ".");
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// Only a regular file is ever replaced: a device, a pipe, a folder or a loop of links keeps
// its place (renaming over a device as the superuser would silently turn it into a file).
// A file its permissions keep from being written is not replaced either: the rename would go
// through, since it needs only the folder, and silently undo the protection. A file without
// any write permission counts as read-only for the superuser too.
void refuseToReplace(const std::string& path, const std::string& target,
                     const FileStatus& existing) {
    if (existing.kind == FileKind::Other)
        throw notRegular(path, "no se reemplazó");
    if (existing.kind == FileKind::Regular &&
        ((existing.permissions & 0222) == 0 || !platform::mayWrite(target)))
        throw NamedFileError("El archivo \"" + path + "\" es de solo lectura: no se reemplazó.");
}

// The new file takes the owner, group and permissions of the one it replaces, before its
// first byte. Where the group cannot be kept, the group's permissions go: the content must
// not reach a group that could not read it before.
void keepIdentity(PosixFile& file, const FileStatus& existing) {
    const bool groupKept = file.setOwner(existing.owner, existing.group);
    file.setPermissions(groupKept ? existing.permissions
                                  : existing.permissions & static_cast<mode_t>(~070));
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
    // Looked at before it is opened, so a device is never opened at all; and checked again once
    // open, in case it was swapped in between (the opening itself never waits).
    if (platform::fileStatus(path).kind == FileKind::Other)
        throw notRegular(path, "no se puede abrir");
    return withFileErrors([&] {
        PosixFile file = PosixFile::openForReading(path);
        if (!file.isRegular())
            throw notRegular(path, "no se puede abrir");
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
        const std::string directory = directoryOf(target);
        removeLeftTemporaries(directory);
        const FileStatus existing = platform::fileStatus(target);
        refuseToReplace(path, target, existing);
        // Over an existing file, the new one starts readable by its owner alone and then takes
        // the old one's identity; a new file is made as the umask says.
        const bool replaces = existing.kind == FileKind::Regular;
        ReplacementFile content(directory, replaces ? 0600 : 0666);
        if (replaces)
            keepIdentity(content.file(), existing);
        content.file().writeAll(bytes);
        content.file().sync();
        content.moveTo(target);
        // Makes the new name itself durable. Nothing the user can act on can fail here: the
        // new file is already in place.
        platform::syncDirectory(directory);
    });
}

} // namespace linealidad
