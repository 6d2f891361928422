#pragma once

#include "core/stats/ValidationStatistics.h"

#include <string>
#include <vector>

namespace linealidad {

// The validation statistics as `linealidad-cli validacion` prints them, one line each with its
// cells joined by a TAB: the per-level heading and a row per level, then, each with its part's
// name first, the response factor, homogeneity, linearity (Mandel), normality, the exact
// probabilities, a line per weighting and the suggested one, and the recovery when the
// statistics have it. A statistic that does not apply has "no aplicable (motivo)" as its value.
std::vector<std::string> validationLines(const ValidationStatistics& s, char decimal);

} // namespace linealidad
