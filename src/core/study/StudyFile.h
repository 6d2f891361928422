#pragma once

#include "core/study/SeparatorConversion.h"
#include "core/study/Study.h"

#include <array>
#include <cstddef>
#include <string>

namespace linealidad {

// The three chart title lines that close a study file: the title, the X-axis label and the
// Y-axis label of the chart options dialog when the study was saved.
using ChartTitles = std::array<std::string, 3>;

// The reader's limits: larger files are refused rather than cut.
constexpr int kMaximumLevels = 30;
constexpr int kMaximumObservations = 150;
// The largest study file takes a few kilobytes; a file larger than this is not a study.
constexpr std::size_t kMaximumFileBytes = 1 << 20;

// The text of a file of at most kMaximumFileBytes, in UTF-8: valid UTF-8 as it is (without a
// byte-order mark), anything else as Windows-1252. A larger file is refused with a
// StudyFormatError naming it; a file that cannot be read throws FileError.
std::string readStudySizedText(const std::string& path);

// Reads a study file exactly as the open command fills the study window: the texts, the levels
// and replicates, the X and Y columns, the titles of a study read from a file and the level
// label of every observation row. The chart title lines are read and not used. Lines end in
// CR LF or LF; text that is valid UTF-8 is read as UTF-8, anything else as Windows-1252.
// Missing trailing lines read as empty; lines past the last one a study can use are not read.
// Throws FileError when the file cannot be read, and StudyFormatError (naming the file and the
// line) when it cannot be a study, among others when it is larger than kMaximumFileBytes.
Study readStudy(const std::string& path);

// The lines of its file that held each observation's X and Y, for a study as readStudy returns
// it (its grids as wide and as long as the file's levels and observations).
NumberSources studyFileLines(const Study& study);

// Writes the study in the file layout, one text per line with CR LF, in Windows-1252 when every
// character fits and in UTF-8 otherwise. The X and Y columns are written for the data grid's
// rows 1 to (row count - 1). Writes a temporary file beside `path` and renames it over `path`,
// so a failed save never destroys the previous file. Throws FileError.
void writeStudy(const std::string& path, const Study& study, const ChartTitles& titles);

} // namespace linealidad
