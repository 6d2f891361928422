#pragma once

#include "core/verification/ReferenceDataSet.h"

#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// One figure of a reference data set as this computer computes it.
struct CheckOutcome {
    std::string name; // "data set: figure"
    double expected = 0;
    std::optional<double> obtained; // none when the computations stopped
    std::string failure;            // why they stopped, when they did
    double digits = 0;              // of agreement with the expected value
    int required = 0;               // the digits the check demands
    bool passes = false;
};

// Agreement is counted up to the digits a double holds.
constexpr double kMaximumAgreement = 15;

// The significant digits two values share: −log10 of the relative difference, between 0 and
// kMaximumAgreement (equal values share them all). A value that is not finite shares none.
double agreementDigits(double expected, double obtained);

// The reference data sets shipped with the program: the certified NIST "Norris" fit, the
// worked example, and the studies far from zero.
std::vector<ReferenceDataSet> shippedDataSets();

// Each data set through the computations of the report (validation, CalculaRegresion,
// CalculaAnova with the residuals), then each of its values compared with the figure obtained.
// A data set whose computations stop fails every one of its checks.
std::vector<CheckOutcome> runChecks(const std::vector<ReferenceDataSet>& dataSets);

int passedCount(const std::vector<CheckOutcome>& outcomes);

} // namespace linealidad
