#pragma once

#include "core/study/Study.h"
#include "core/verification/ReferenceFigure.h"

#include <string>
#include <vector>

namespace linealidad {

// A figure's published or exactly derived value, and the significant digits the computed
// figure must share with it.
struct ReferenceValue {
    ReferenceFigure figure;
    double expected;
    int digits;
};

// A study shipped with the program with the values its results must have.
struct ReferenceDataSet {
    std::string name; // as the verification shows it
    Study study;
    std::vector<ReferenceValue> values;
};

// A study of the given replicates per level and X and Y texts (with "." as separator), titled
// as a new study.
Study referenceStudy(const std::vector<int>& replicates, const std::vector<std::string>& x,
                     const std::vector<std::string>& y);

// `figure` with `expected`, demanding the digits the program shows it with.
ReferenceValue shownValue(ReferenceFigure figure, double expected);

} // namespace linealidad
