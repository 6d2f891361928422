#pragma once

#include "core/study/Study.h"

#include <string>

namespace linealidad::bench {

// A valid study of the largest size a study file may hold: 10 levels of 15 replicates, 150
// observations, on a calibration line with a small deterministic scatter.
Study largeStudy();

// Writes that study as a study file.
void writeLargeStudy(const std::string& path);

// A temporary directory holding that study as a file, removed on destruction.
class TemporaryStudyFile {
public:
    TemporaryStudyFile();
    ~TemporaryStudyFile();
    TemporaryStudyFile(const TemporaryStudyFile&) = delete;
    TemporaryStudyFile& operator=(const TemporaryStudyFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string directory_;
    std::string path_;
};

} // namespace linealidad::bench
