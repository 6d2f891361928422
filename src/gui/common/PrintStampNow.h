#pragma once

#include "core/printing/PrintStamp.h"

#include <optional>

namespace linealidad {

// The stamp of a document printed now, by the user the program runs as, with this program:
// of a study saved as `file` (unsaved when there is none).
PrintStamp printStampNow(const std::optional<SavedStudyFile>& file);
// The same for a document that prints no study.
PrintStamp printStampNow();

} // namespace linealidad
