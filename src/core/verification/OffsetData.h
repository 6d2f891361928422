#pragma once

#include "core/verification/ReferenceDataSet.h"

#include <vector>

namespace linealidad {

// Studies whose values lie far from zero compared with their spread, where the formulas on the
// raw sums Σx², Σy², Σxy would lose most of their digits: the figures hold only when the
// program computes them around the means, as it does for such data.
std::vector<ReferenceDataSet> offsetDataSets();

} // namespace linealidad
