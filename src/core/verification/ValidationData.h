#pragma once

#include "core/verification/ReferenceDataSet.h"

#include <vector>

namespace linealidad {

// The studies that check the validation statistics, with figures derived once with R
// (validation_figures.R beside this file).
std::vector<ReferenceDataSet> validationDataSets();

} // namespace linealidad
