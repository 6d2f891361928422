#pragma once

#include "core/study/Study.h"

#include <optional>
#include <string>

namespace linealidad {

// The control of the study window that a problem sends the focus to.
enum class StudyControl { eniveles, stgniveles, stgdatos };

// The first problem found in a study: the message to show, the tab of the study window to
// select (1 "Niveles y Réplicas", 2 "Datos") and the control to focus.
struct StudyProblem {
    std::string message;
    int tab;
    StudyControl control;
};

// Checks that a study can be saved and computed; returns its first problem, or nothing. The
// number of levels and the replicate counts are converted as integers and throw
// ConversionError when they are not. The study is only read.
std::optional<StudyProblem> ValidaEstudio(const Study& study);

} // namespace linealidad
