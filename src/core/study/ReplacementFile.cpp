#include "core/study/ReplacementFile.h"

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace linealidad {
namespace {

using platform::PosixFile;

// The names of the program's own temporary files: short, so a target whose name is as long as
// the system allows can still be saved, and recognisable, so one left behind by a program that
// was killed is found and removed. They carry the machine and the process that made them: a
// folder shared over the network may hold the files of a save in progress elsewhere.
constexpr std::string_view kTemporaryPrefix = ".linealidad-";
constexpr std::string_view kTemporarySuffix = ".tmp";
// The attempt number steps past names of this process left behind.
constexpr int kAttempts = 100;

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

} // namespace

ReplacementFile::ReplacementFile(const std::string& directory, mode_t permissions, Naming naming)
    : directory_(directory), file_(create(permissions, naming)) {}

ReplacementFile::~ReplacementFile() {
    if (!path_.empty())
        platform::removeFile(path_);
}

PosixFile ReplacementFile::create(mode_t permissions, Naming naming) {
    if (naming == Naming::UnnamedWherePossible)
        if (auto file = PosixFile::createUnnamed(directory_, permissions)) {
            unnamed_ = true;
            return std::move(*file);
        }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string candidate = temporaryName(directory_, attempt);
        if (auto file = PosixFile::createNew(candidate, permissions)) {
            path_ = std::move(candidate);
            return std::move(*file);
        }
    }
    throw std::system_error(EEXIST, std::generic_category());
}

void ReplacementFile::moveTo(const std::string& target) {
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

std::string ReplacementFile::linkUnderTemporaryName() {
    for (int attempt = 0; attempt < kAttempts; ++attempt)
        if (std::string name = temporaryName(directory_, attempt); file_.linkAs(name))
            return name;
    throw std::system_error(EEXIST, std::generic_category());
}

void removeLeftTemporaries(const std::string& directory) noexcept {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(directory, error), end; !error && entry != end;
         entry.increment(error)) {
        const long owner = temporaryOwner(entry->path().filename().string());
        if (owner != 0 && owner != platform::processId() && !platform::processRuns(owner))
            platform::removeFile(entry->path().string());
    }
}

} // namespace linealidad
