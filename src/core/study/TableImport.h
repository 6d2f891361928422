#pragma once

#include "core/study/SeparatorConversion.h"
#include "core/study/Study.h"

#include <string>
#include <vector>

namespace linealidad {

// A study read from a table, and the row of the table (numbered as a spreadsheet numbers it,
// from 1) that each of its observations came from, in order.
struct TableStudy {
    Study study;
    std::vector<int> rows;
};

// A study from a table of observations, as spreadsheets export or copy one: one row per
// observation with two columns, X and Y, or three, Nivel, X and Y, and perhaps a heading row
// first (a row whose X and Y are not numbers). Cells are separated by tabs, semicolons or commas,
// whichever makes every row as wide as the table; a cell may be quoted ("1,5"), with "" for a
// quote inside; rows end in CR LF or LF. Consecutive rows with the same level (with two columns,
// the same X) form a level, levels in the order they come. Rows whose cells are all blank are
// skipped; rows are numbered as a spreadsheet numbers them.
//
// X and Y are kept as text exactly as written, like the numbers of a study file; the grids get
// the titles of a study read from a file. The headings of X and Y, when the table has them, are
// the study's units of X and name of Y (at most kTextLength characters of each); the rest of the
// general information stays empty. A table that cannot be a study (empty, a heading only, a row
// narrower than the table, fewer than 3 or more than 10 levels, more than 150 observations, a
// level that comes back after another) throws StudyFormatError with a message that names the row.
TableStudy studyFromTable(const std::string& text);

// The table in a file (CSV or tab-separated text): read as study files are, UTF-8 when the
// bytes are valid UTF-8 and Windows-1252 otherwise. Throws FileError when the file cannot be
// read, and StudyFormatError, naming the file and the row, when the table cannot be a study.
TableStudy readTableFile(const std::string& path);

// The sources of a table's numbers: each observation's X and Y come from its row.
NumberSources tableRows(const TableStudy& table);

} // namespace linealidad
