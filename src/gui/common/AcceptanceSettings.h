#pragma once

#include "core/acceptance/AcceptanceCriteria.h"

#include <vector>

namespace linealidad {

// The acceptance criteria the user keeps in the settings (group "dictamen", key "criterios",
// in the criteria text form); the default criteria when none are kept or they cannot be read.
std::vector<AcceptanceCriterion> userCriteria();

} // namespace linealidad
