#pragma once

#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <string>
#include <vector>

namespace linealidad {

// The text of the residuals window (`TfinfoR`): four side-by-side memos, each two heading
// lines then one line per observation, so line k of every memo belongs to the same
// observation.
struct ResidualColumns {
    std::vector<std::string> memoR;  // observation number
    std::vector<std::string> Memo1R; // predicted Y
    std::vector<std::string> Memo2R; // residual
    std::vector<std::string> Memo3R; // studentized residual
};

// One line per observation j = 1 to (row count of `stgdatos` - 1), from the residual arrays
// as CalculaAnova just filled them.
ResidualColumns residualColumns(const Study& study, char decimal, const Residuals& r);

// The number of observation lines of the residual texts: the data grid's rows, bounded by the
// arrays so that a study whose grid and replicates disagree never reads past their end.
std::size_t residualLineCount(const Study& study, const Residuals& r);

} // namespace linealidad
