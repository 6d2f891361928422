#pragma once

#include "core/verification/ReferenceDataSet.h"

namespace linealidad {

// The worked example the program ships (ejemplos/ejemplo-trabajado.w02): three levels of two
// replicates, X = 1, 1, 2, 2, 3, 3 and Y = 1.0, 1.2, 2.1, 1.9, 3.2, 2.9, with its figures.
ReferenceDataSet workedExampleDataSet();

} // namespace linealidad
