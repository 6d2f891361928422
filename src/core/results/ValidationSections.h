#pragma once

#include "core/stats/ValidationStatistics.h"

#include <string>
#include <vector>

namespace linealidad {

// One part of the validation statistics as the window and the printed page show it: a title,
// the headings of a table's columns and its rows; without headings, a list of figures, a name
// and a value per row.
struct ValidationSection {
    std::string title;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

// The parts in order: per level, response factor, homogeneity of variances, Mandel, normality
// of the residuals, exact probabilities beside the classic ones, weighting, and the recovery
// (its summary and each observation's) when the statistics have it.
std::vector<ValidationSection> validationSections(const ValidationStatistics& s, char decimal);

} // namespace linealidad
