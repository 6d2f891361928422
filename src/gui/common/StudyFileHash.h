#pragma once

#include "core/printing/PrintStamp.h"

#include <QString>

#include <optional>

namespace linealidad {

// The study file at `path` as it is on disk: its name and the SHA-256 of its bytes (what
// sha256sum prints). Nothing when it cannot be read or is larger than a study file can be.
std::optional<SavedStudyFile> studyFileOnDisk(const QString& path);

} // namespace linealidad
