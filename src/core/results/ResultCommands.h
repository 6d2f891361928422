#pragma once

#include "core/results/AnovaTable.h"
#include "core/results/ResidualColumns.h"
#include "core/results/ResultSet.h"
#include "core/study/Study.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// The sequence of each result command, written once for the windows, the command-line tool
// and the printed pages. Each runs on a study that passed ValidaEstudio: it reads the study's
// numbers first (readObservations), then computes from them into `results`, and stops with
// nothing written when the slope comes out exactly zero (the caller then says
// kZeroSlopeMessage instead of showing a result). `decimal` is the separator of the study's
// texts and of the numbers written.
//
// Conversion and arithmetic faults propagate from where they occur. The inference and the
// report hand their text to the sink in parts, each part as soon as it is known: after a
// fault, what the sink has received is exactly what the window holds.

// Receives lines of text; each call adds its lines after those already received.
using LineSink = std::function<void(const std::vector<std::string>& lines)>;

// The inference: the fit, then its thirteen lines and the empty line; then the analysis of
// variance and the origin sentence, when there is one. False when the slope is zero.
bool inferenceCommand(const Study& study, char decimal, ResultSet& results, const LineSink& sink);

// The text of the analysis-of-variance window.
struct VarianceText {
    AnovaCells cells;
    std::vector<std::string> sentences;
};

// The analysis of variance, then its table and verdict sentences; nothing when the slope is
// zero.
std::optional<VarianceText> varianceCommand(const Study& study, char decimal, ResultSet& results);

// The analysis of variance, then the residual columns; nothing when the slope is zero.
std::optional<ResidualColumns> residualsCommand(const Study& study, char decimal,
                                                ResultSet& results);

// The report: the fit, then lines 1 to 31 (study and inference); then the analysis of
// variance and the rest. False when the slope is zero.
bool reportCommand(const Study& study, char decimal, ResultSet& results, const LineSink& sink);

} // namespace linealidad
