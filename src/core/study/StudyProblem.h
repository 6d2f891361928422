#pragma once

#include <string>

namespace linealidad {

// The control of the study window that a problem sends the focus to.
enum class StudyControl { eniveles, stgniveles, stgdatos };

// A problem found in a study: the message to show, the tab of the study window to select
// (1 "Niveles y Réplicas", 2 "Datos") and the control to focus.
struct StudyProblem {
    std::string message;
    int tab;
    StudyControl control;
};

} // namespace linealidad
