#pragma once

#include "core/results/ResultSet.h"
#include "core/stats/Calibration.h"
#include "core/study/Study.h"

#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// The mark of a response outside the calibrated range, as shown and printed.
inline constexpr const char* kOutsideCalibratedRange = "fuera del intervalo calibrado";

// The sequence of the inverse prediction, written once for the predictions dialog and the
// command-line tool: the study's numbers, the fit into `results`, then the calibration curve
// it gives. Nothing when
// the slope comes out exactly zero (the caller says kZeroSlopeMessage). Conversion and
// arithmetic faults propagate.
std::optional<Calibration> inverseCommand(const Study& study, char decimal, ResultSet& results);

// The cells of one response: Y, X, the lower and the upper limit, each in the general format
// of 6 digits, and kOutsideCalibratedRange as a fifth cell when the response is outside.
std::vector<std::string> inverseCells(double response, const InversePrediction& prediction,
                                      char decimal);

} // namespace linealidad
