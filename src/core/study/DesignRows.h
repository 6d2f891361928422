#pragma once

#include "core/study/Study.h"

namespace linealidad {

// Makes the data grid follow the design: T + 1 rows (T the sum of the replicate counts) and
// each observation row labelled with its level, as a study read from a file shows them. It
// does so only when the levels grid has one column per level of the number of levels and
// holds a whole count of 0 or more in each, adding up to 1 to 150 observations; otherwise the
// study is left as it is, for the mismatch checks to report. Rows beyond a smaller T keep
// their X and Y texts and show again when T grows. True when the grid follows the design.
bool fitDataRowsToDesign(Study& study);

// Whether fitDataRowsToDesign would change the data grid's rows: the design can be followed,
// and the grid has another number of rows or a row labelled with another level.
bool dataRowsOutOfDesign(const Study& study);

} // namespace linealidad
