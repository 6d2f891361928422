#pragma once

#include "core/stats/NotApplicable.h"
#include "core/stats/StudyLevels.h"

#include <array>
#include <optional>
#include <string>

namespace linealidad {

// The weights of a weighted least-squares line: 1, 1/x, 1/x², 1/y, 1/y².
enum class Weighting { One, InverseX, InverseX2, InverseY, InverseY2 };
inline constexpr std::array<Weighting, 5> kWeightings{Weighting::One, Weighting::InverseX,
                                                      Weighting::InverseX2, Weighting::InverseY,
                                                      Weighting::InverseY2};

// "1", "1/x", "1/x^2", "1/y", "1/y^2".
std::string weightingName(Weighting w);

// The weighted line and how well it reads the observations back: the sum over the observations
// with X ≠ 0 of |error relativo %| = |100·(X recalculada - X)/X|, X recalculada = (Y - b)/m.
struct WeightedLine {
    double slope = 0;
    double intercept = 0;
    double relativeErrorSum = 0;
};

struct WeightedLines {
    // In the order of kWeightings. A weight of x (or y) does not apply when any X (or Y) is ≤ 0.
    std::array<Applicable<WeightedLine>, kWeightings.size()> lines;
    // The weighting whose line reads the observations back with the smallest sum (the first of
    // equal sums); none when no line applies.
    std::optional<Weighting> suggested;
};

// The five weighted lines of a study's observations. The sums are taken around the weighted
// means of the offset observations, and the reading back is measured from the means, so
// values far from zero keep their digits.
WeightedLines weightedLines(const OffsetObservations& data);

} // namespace linealidad
