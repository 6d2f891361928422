#pragma once

#include "core/platform/PosixFile.h"
#include "core/study/RecoveryCopy.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace linealidad {

// The folder of the recovery copies: "linealidad" in the user's state folder, which is
// $XDG_STATE_HOME when that is an absolute path and ~/.local/state otherwise. None without
// either (no home folder: no copies).
std::optional<std::string> recoveryFolder(const char* stateHome, const char* home);

// The recovery copies of one user's studies, in one folder. Each running program keeps its copy
// under a number of its own ("recovery-<n>.txt") and holds "recovery-<n>.lock" locked while it
// runs. The system drops that lock when the program ends, however it ends, so a copy whose lock
// is free was left by a program that ended without removing it: a crash, a kill, a power cut.
// Programs running at the same time never touch each other's copies. A left file that cannot
// be read as a copy is set aside as "unreadable-<n>-<k>.txt", kept for whoever wants to look
// at it and never offered again.
class RecoveryStore {
public:
    explicit RecoveryStore(std::string folder);

    const std::string& folder() const { return folder_; }

    struct LeftCopy {
        std::string path;
        RecoveryCopy copy;
    };
    // The next copy left by an ended program, the most recently written first, each one once;
    // none when there is none left. The copy becomes this program's own: write replaces it and
    // discard removes it, until putBack. A file that cannot be read as a whole copy (damaged,
    // too large, not a regular file) is set aside and passed over.
    std::optional<LeftCopy> takeLeftCopy();
    // Gives a taken copy back untouched: it stays for a later start, and this program's own
    // copy goes under a number of its own.
    void putBack();

    struct SetAside {
        std::string copy;   // the file that could not be read
        std::string keptAs; // where it is now; empty when it could not be moved (then removed)
    };
    // The files set aside since the last call, for the program to say so once.
    std::vector<SetAside> takeSetAside();

    // Makes `text` this program's copy, replacing the previous one in one step (a crash in
    // between leaves the previous one whole). Throws FileError.
    void write(std::string_view text);
    // Removes this program's copy, if it has one.
    void discard() noexcept;
    // The file of this program's copy; empty before the first write or take.
    std::string ownCopy() const;

private:
    std::string copyPath(int number) const;
    std::string lockPath(int number) const;
    void claimNumber();
    void setAside(int number);

    std::string folder_;
    std::optional<int> number_;
    std::optional<platform::PosixFile> lock_;
    std::set<int> offered_;
    std::vector<SetAside> setAside_;
};

} // namespace linealidad
