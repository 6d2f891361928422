#pragma once

#include "core/platform/PosixFile.h"

#include <string>
#include <sys/types.h>

namespace linealidad {

// The new content of a file on its way into place. Where the file system can, it is written
// to a file without a name, which vanishes with the process if the process dies before the
// save ends; it gets a name only once it is complete. Elsewhere (some network folders) it is
// written under a short temporary name of its own beside the target. Either is removed unless
// it was moved into place. Failures throw std::system_error.
class ReplacementFile {
public:
    enum class Naming {
        UnnamedWherePossible,
        Named, // a temporary name from the start, as where unnamed files cannot be made
    };

    // Creates the file in `directory` with `permissions` less the umask: it has them from its
    // first byte, so it never shows its content to anyone the final file would not.
    ReplacementFile(const std::string& directory, mode_t permissions,
                    Naming naming = Naming::UnnamedWherePossible);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    platform::PosixFile& file() { return file_; }
    // The temporary name while the file has one; empty while it has none.
    const std::string& temporaryPath() const { return path_; }

    // Puts the complete file in place of `target` at once (a reader sees the old content or
    // the new one, never a part) and closes it.
    void moveTo(const std::string& target);

private:
    platform::PosixFile create(mode_t permissions, Naming naming);
    std::string linkUnderTemporaryName();

    std::string directory_;
    bool unnamed_ = false;
    std::string path_; // the temporary name, while the file has one to be removed
    platform::PosixFile file_;
};

// Removes from `directory` the temporary files of programs of this machine that no longer
// run: they were killed in the middle of a save (or the power failed) and nothing else would
// ever remove them. Temporary files of running programs and of other machines stay.
void removeLeftTemporaries(const std::string& directory) noexcept;

} // namespace linealidad
