#include "core/app/RecoveryStore.h"

#include "core/study/FileAccess.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace linealidad {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kCopySuffix = ".txt";
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kSetAsidePrefix = "unreadable-";

// The number of a copy by its file name; none for any other file.
std::optional<int> copyNumber(const std::string& name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kCopySuffix))
        return std::nullopt;
    const std::string digits =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kCopySuffix.size());
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(digits);
}

struct Candidate {
    int number;
    fs::file_time_type written;
};

// The copies in the folder, the most recently written first.
std::vector<Candidate> copiesIn(const std::string& folder) {
    std::vector<Candidate> copies;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code unreadable;
        const auto number = copyNumber(entry->path().filename().string());
        const auto written = entry->last_write_time(unreadable);
        if (number && !unreadable)
            copies.push_back({*number, written});
    }
    std::sort(copies.begin(), copies.end(), [](const Candidate& a, const Candidate& b) {
        return a.written != b.written ? a.written > b.written : a.number < b.number;
    });
    return copies;
}

// The copy in a file, read within a copy's bounds; none when it cannot be read as one.
std::optional<RecoveryCopy> readCopy(const std::string& path) {
    try {
        return readRecoveryCopy(readFileBytes(path, kMaximumCopyBytes));
    } catch (const FileError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<std::string> recoveryFolder(const char* stateHome, const char* home) {
    if (stateHome && stateHome[0] == '/')
        return std::string(stateHome) + "/linealidad";
    if (home && home[0] != '\0')
        return std::string(home) + "/.local/state/linealidad";
    return std::nullopt;
}

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder)) {}

std::string RecoveryStore::copyPath(int number) const {
    return folder_ + "/" + std::string(kPrefix) + std::to_string(number) + std::string(kCopySuffix);
}

std::string RecoveryStore::lockPath(int number) const {
    return folder_ + "/" + std::string(kPrefix) + std::to_string(number) + std::string(kLockSuffix);
}

std::string RecoveryStore::ownCopy() const {
    return number_ ? copyPath(*number_) : std::string();
}

std::optional<RecoveryStore::LeftCopy> RecoveryStore::takeLeftCopy() {
    for (const Candidate& candidate : copiesIn(folder_)) {
        if (candidate.number == number_ || !offered_.insert(candidate.number).second)
            continue;
        std::optional<platform::PosixFile> lock;
        try {
            lock = platform::PosixFile::lockExclusive(lockPath(candidate.number));
        } catch (const std::system_error&) {
            continue;
        }
        if (!lock)
            continue; // its program runs
        const std::string path = copyPath(candidate.number);
        auto copy = readCopy(path);
        if (!copy) {
            setAside(candidate.number);
            continue;
        }
        number_ = candidate.number;
        lock_ = std::move(lock);
        return LeftCopy{path, std::move(*copy)};
    }
    return std::nullopt;
}

void RecoveryStore::putBack() {
    number_.reset();
    lock_.reset();
}

// Moved under a name no later start takes for a copy, without replacing an earlier one.
void RecoveryStore::setAside(int number) {
    const std::string copy = copyPath(number);
    for (int k = 1; k < 1000; ++k) {
        const std::string keptAs = folder_ + "/" + std::string(kSetAsidePrefix) +
                                   std::to_string(number) + "-" + std::to_string(k) + ".txt";
        std::error_code error;
        if (fs::exists(fs::symlink_status(keptAs, error)))
            continue;
        fs::rename(copy, keptAs, error);
        if (!error) {
            setAside_.push_back({copy, keptAs});
            return;
        }
        break;
    }
    platform::removeFile(copy); // never offered again, one way or the other
    setAside_.push_back({copy, {}});
}

std::vector<RecoveryStore::SetAside> RecoveryStore::takeSetAside() {
    return std::exchange(setAside_, {});
}

// The lowest number whose lock is free and that holds no copy: a copy with a free lock that is
// still there waits to be offered at a later start.
void RecoveryStore::claimNumber() {
    std::error_code error;
    if (fs::create_directories(folder_, error))
        fs::permissions(folder_, fs::perms::owner_all, error); // studies are the user's alone
    const auto holdsCopy = [this](int number) {
        std::error_code unreadable;
        return fs::exists(copyPath(number), unreadable);
    };
    for (int number = 1;; ++number) {
        if (holdsCopy(number))
            continue;
        std::optional<platform::PosixFile> lock;
        try {
            lock = platform::PosixFile::lockExclusive(lockPath(number));
        } catch (const std::system_error& e) {
            throw fileErrorFor(e.code().value());
        }
        if (lock && !holdsCopy(number)) {
            number_ = number;
            lock_ = std::move(lock);
            return;
        }
    }
}

void RecoveryStore::write(std::string_view text) {
    if (!number_)
        claimNumber();
    replaceFileBytes(copyPath(*number_), text);
}

void RecoveryStore::discard() noexcept {
    if (number_)
        platform::removeFile(copyPath(*number_));
}

} // namespace linealidad
