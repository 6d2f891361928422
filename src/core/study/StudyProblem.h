#pragma once

#include <optional>
#include <string>

namespace linealidad {

// The control of the study window that a problem sends the focus to.
enum class StudyControl { eniveles, stgniveles, stgdatos };

// A cell of a grid, column and row counted as the grid's titles count them.
struct GridCell {
    int col = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A problem found in a study: the message to show, the tab of the study window to select
// (1 "Niveles y Réplicas", 2 "Datos"), the control to focus and, for a problem of one cell of
// a grid, that cell, which is selected and shown so the message points somewhere.
struct StudyProblem {
    std::string message;
    int tab;
    StudyControl control;
    std::optional<GridCell> cell;
};

} // namespace linealidad
