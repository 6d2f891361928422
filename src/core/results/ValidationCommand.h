#pragma once

#include "core/results/ResultSet.h"
#include "core/stats/ValidationStatistics.h"
#include "core/study/Study.h"

#include <optional>

namespace linealidad {

// The sequence of the validation statistics, written once for their window, their printed page,
// the acceptance verdict and the command-line tool: the study's numbers, CalculaRegresion, then
// CalculaAnova with the residual analysis into `results`, then the statistics of the study's
// levels. Nothing when the slope comes out exactly zero (the caller says kZeroSlopeMessage);
// conversion faults and the arithmetic faults of the fit and the variance table propagate as
// for the other result commands. `recovered`: the responses Y are the quantities recovered
// ("Y es la cantidad recuperada").
std::optional<ValidationStatistics> validationCommand(const Study& study, char decimal,
                                                      ResultSet& results, bool recovered);

// The same sequence on numbers already read, for a command that reads them itself.
std::optional<ValidationStatistics> validationCommand(const Observations& data, ResultSet& results,
                                                      bool recovered);

} // namespace linealidad
