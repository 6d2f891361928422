#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace linealidad::platform {

// The operating system's file calls, and nothing more: the rules of reading and of the safe
// save live in core/study/FileAccess. A failed call throws std::system_error holding the
// system's error number (errno), so the caller decides what the user reads.

// An open file descriptor, closed when it goes out of scope.
class PosixFile {
public:
    // Opens an existing file for reading without ever waiting: a pipe without a writer opens
    // at once (and reads as empty), and a terminal does not become the process's own.
    static PosixFile openForReading(const std::string& path);
    // Creates `path` for writing with `permissions` (less the umask), only if nothing has that
    // name yet (no file is ever taken over); empty when the name exists.
    static std::optional<PosixFile> createNew(const std::string& path, mode_t permissions);
    // Creates a file without a name in `directory` (O_TMPFILE) with `permissions` (less the
    // umask): it disappears with the process, however the process ends, unless linkAs names
    // it. Empty where the file system or the system cannot create one.
    static std::optional<PosixFile> createUnnamed(const std::string& directory, mode_t permissions);
    // Opens (creating it if needed) and locks `path` for this process alone (flock); empty when
    // another holder has it. The system releases the lock when the file is closed or the process
    // ends, however it ends. A symbolic link or anything but a regular file at `path` is
    // refused (std::system_error), so the lock never creates or opens a file elsewhere.
    static std::optional<PosixFile> lockExclusive(const std::string& path);

    PosixFile(PosixFile&& other) noexcept;
    PosixFile& operator=(PosixFile&& other) noexcept;
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;
    ~PosixFile();

    // The system's number for the open file, for a look at it (fstat) in tests.
    int descriptor() const { return descriptor_; }
    // Whether the open file is a regular file (not a folder, a device, a pipe or a socket).
    bool isRegular() const;
    // Up to `size` bytes into `buffer`; 0 at the end of the file.
    std::size_t read(char* buffer, std::size_t size);
    void writeAll(std::string_view bytes);
    // Best effort: a file that cannot take them keeps the ones it was created with.
    void setPermissions(mode_t permissions) noexcept;
    // Gives the file `owner` and `group`, or the group alone where the owner cannot be given
    // (only the superuser gives files away); true when the file has `group` afterwards.
    bool setOwner(uid_t owner, gid_t group) noexcept;
    // Waits until what was written is on the disk.
    void sync();
    // Closes now and reports the failure: a close can be the first to see a write error.
    void close();
    // Gives a file made by createUnnamed the name `path`; false when that name exists already.
    bool linkAs(const std::string& path);

private:
    explicit PosixFile(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};

// What a path names, following links.
enum class FileKind {
    None,    // nothing that can be found: no such file, or a folder on the way that is not one
    Regular, // a regular file
    Other,   // a folder, a device, a pipe, a socket, or a chain of links without an end
};

struct FileStatus {
    FileKind kind = FileKind::None;
    mode_t permissions = 0; // the permission bits, for a regular file
    uid_t owner = 0;
    gid_t group = 0;
};

FileStatus fileStatus(const std::string& path);
// Whether this process may write `path` by its permissions (access W_OK). The superuser may
// write any file.
bool mayWrite(const std::string& path);
// The file a symbolic link names, following a chain of links; `path` itself when it is not a
// link. A link to a file that does not exist yet names that file.
std::string linkTarget(const std::string& path);
// Renames atomically, replacing `to`.
void renameFile(const std::string& from, const std::string& to);
// Removes a file, ignoring failures.
void removeFile(const std::string& path) noexcept;
// Makes the entries of a directory durable, ignoring failures.
void syncDirectory(const std::string& directory) noexcept;
// This process's number, which makes temporary names unique between processes.
long processId();
// This machine's name, reduced to letters, digits, dots and dashes (never empty).
std::string hostName();
// Whether a process with this number runs (one of another user counts as running).
bool processRuns(long id);

} // namespace linealidad::platform
