#pragma once

#include "core/study/StringGrid.h"

#include <string>

namespace linealidad {

// One linearity-and-precision study, held as the texts the study window shows: each member
// is named after the control that edits it. Each command converts these texts to numbers once,
// as it starts (readObservations, core/stats/StudyObservations.h).
struct Study {
    // General information.
    std::string emetodo;     // name of the analytical method
    std::string eanalista;   // name of the analyst
    std::string efecha;      // date of the study, free text
    std::string eadicionada; // units of X, the added quantity
    std::string emedida;     // name of Y, the measured property

    std::string eniveles = "3"; // number of levels N

    // Column 0 holds the row titles, columns 1..N the levels; row 0 the headings, row 1 the
    // replicate count of each level.
    StringGrid stgniveles{4, 2};

    // Column 0 the level label of each row, column 1 X, column 2 Y; row 0 the headings, rows
    // 1..T the observations grouped by level in level order.
    StringGrid stgdatos{3, 10};

    // A study as "Nuevo" creates it: three levels and nine observation rows, with the titles
    // of a new study.
    static Study fresh();

    // The titles of a study read from a file, for `levels` levels and the replicate counts
    // already in the levels grid (the file reader writes them after the counts).
    void writeFileTitles(int levels);

    // Labels each observation row with its level (ten blanks and the level number), following
    // the replicate counts of `levels` levels in the levels grid.
    void labelDataRows(int levels);
};

// The maximum lengths of the capture window's edit boxes.
constexpr int kTextLength = 60;
constexpr int kDateLength = 20;
constexpr int kLevelsLength = 2;

// The number of levels: 3 to 5 typed, 3 to 10 in a study the validation accepts.
constexpr int kMinimumLevels = 3;
constexpr int kMaximumTypedLevels = 5;
constexpr int kMaximumValidLevels = 10;
// The replicates of a level, typed.
constexpr int kMaximumTypedReplicates = 5;

} // namespace linealidad
