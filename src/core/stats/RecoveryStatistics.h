#pragma once

#include "core/stats/NotApplicable.h"
#include "core/stats/Results.h"
#include "core/stats/SampleSummary.h"
#include "core/stats/StudyLevels.h"

#include <vector>

namespace linealidad {

// The recovery of one observation with X ≠ 0: 100·Y/X, Y the quantity found and X the one added.
struct ObservationRecovery {
    int observation = 0; // its number in the study, from 1
    double x = 0;
    double y = 0;
    double recovery = 0;
};

// The 95 % interval of the mean recovery: media ± t(0.975; n - 1)·DE/√n.
struct MeanInterval {
    double lower = 0;
    double upper = 0;
};

// The linearity of a method whose responses are the quantities recovered: every observation's
// recovery, their summary and the interval of their mean, and whether the line's inference
// says "found = added" (slope 1, intercept 0).
struct RecoveryStatistics {
    std::vector<ObservationRecovery> observations;
    Applicable<SampleSummary> summary;
    Applicable<MeanInterval> interval;
    bool slopeContainsOne = false;      // the slope's 95 % interval holds 1
    bool interceptContainsZero = false; // the intercept's 95 % interval holds 0
};

// `fit` is the inference of the study (CalculaRegresion), whose intervals are judged.
RecoveryStatistics recoveryStatistics(const std::vector<Level>& levels,
                                      const ResultadosRegresion& fit);

} // namespace linealidad
