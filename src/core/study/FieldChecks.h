#pragma once

#include "core/study/Study.h"
#include "core/study/StudyProblem.h"

#include <optional>

namespace linealidad {

// The checks the study window runs as the focus leaves or enters its controls, each returning
// the first problem found, or nothing. The checks of the replicate counts against the levels
// and the data rows are ValidaEstudio's as well. Where a check converts the number of levels
// or a replicate count as an integer, a text that is not one throws ConversionError, as the
// window's commands expect. The study is only read.
//
// `asRead` is the study as its file (or table) held it, for a study that was read: a number of
// levels or a replicate count that still has the text it was read with was not typed, and is
// held only to the limits of the validation, so a study of 7 levels can be opened, looked at
// and left without breaking it.

// Leaving the number of levels: it is present, a whole number, and 3 to 5 (3 to 10 when it is
// the number read, and the message then says so).
std::optional<StudyProblem> checkLevelsOnExit(const Study& study, const Study* asRead = nullptr);

// Leaving the replicates grid: every count across the grid is present and a number (in the
// `decimal` separator), then none is below 1 or above 5 (a count with a fraction throws here);
// a count that is the one read for its level has no upper limit.
std::optional<StudyProblem> checkReplicatesOnExit(const Study& study, char decimal,
                                                  const Study* asRead = nullptr);

// The replicates grid has one cell per level, as "Aceptar número de niveles" made it.
std::optional<StudyProblem> checkReplicateCells(const Study& study);

// Every replicate cell across the grid's width holds a count.
std::optional<StudyProblem> checkReplicatesPresent(const Study& study);

// Every replicate count across the grid is at least 1 (a count with a fraction throws here).
std::optional<StudyProblem> checkReplicatesPositive(const Study& study);

// The replicate counts across the grid add up to the data grid's rows.
std::optional<StudyProblem> checkReplicateSum(const Study& study);

// Entering the data grid: the grid of replicates matches the levels, holds every count, and
// the counts add up to the data rows.
std::optional<StudyProblem> checkDataOnEnter(const Study& study);

// Leaving the data grid: every X, then every Y, is present and a number.
std::optional<StudyProblem> checkDataOnExit(const Study& study, char decimal);

} // namespace linealidad
