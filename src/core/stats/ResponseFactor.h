#pragma once

#include "core/stats/NotApplicable.h"
#include "core/stats/SampleSummary.h"
#include "core/stats/StudyLevels.h"

#include <vector>

namespace linealidad {

// The response factor f = Y/X over the observations with X ≠ 0: media, DE and CV %. A method
// whose line passes through the origin has a constant factor.
Applicable<SampleSummary> responseFactor(const std::vector<Level>& levels);

} // namespace linealidad
