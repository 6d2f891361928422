#pragma once

#include "core/stats/CentredSums.h"
#include "core/stats/Observations.h"

namespace linealidad {

// The two ways the engine computes the figures of a study.
enum class Formulas {
    Raw,     // the program's formulas, on the raw sums Σx, Σx², Σy, Σy², Σxy
    Centred, // the same figures from the sums around the means (CentredSums)
};

// The one rule that chooses between them. The raw sums serve unless they lose more than 6 of
// the 16 digits of a double to cancellation, Σx² > 10⁶·Sxx or Σy² > 10⁶·Syy (Sxx and Syy
// summed around the means), or unless a square or product they are made of or combined into
// leaves the normal range of doubles: an overflow, or an underflow to a subnormal number or to
// zero. Then the centred formulas give every figure.
Formulas chooseFormulas(const Observations& data, const Sums& raw, const CentredSums& centred);

// The sums the engine works from, both ways, and the formulas chosen for them.
struct ObservationSums {
    Sums raw;
    CentredSums centred;
    Formulas formulas;
};
ObservationSums sumObservations(const Observations& data);

} // namespace linealidad
