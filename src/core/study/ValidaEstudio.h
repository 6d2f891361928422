#pragma once

#include "core/study/Study.h"
#include "core/study/StudyProblem.h"

#include <optional>

namespace linealidad {

// Checks that a study can be saved and computed; returns its first problem, or nothing. The
// number of levels and the replicate counts are converted as integers and throw
// ConversionError when they are not. The study is only read.
std::optional<StudyProblem> ValidaEstudio(const Study& study);

} // namespace linealidad
