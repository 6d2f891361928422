#pragma once

#include "core/study/Study.h"
#include "core/study/StudyFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace linealidad {

// What the recovery copy of an unsaved study holds: everything the study window holds, as it
// holds it (whether it would pass the validation or not, cells hidden by the grid counts
// included), the chart titles a study file carries, and the file the study was read from or
// last saved to.
struct RecoveryCopy {
    Study study;
    ChartTitles titles;
    std::string file; // as the file system names it; empty for a study never saved
};

// The text of a recovery copy: a first line that names the kind and version, then one text per
// line in UTF-8 (a line end or backslash inside a text is written as \n, \r or \\): the
// study's file, the five general-information texts, the number of levels, each grid as a line
// of its counts followed by its held cells row by row, and the three chart titles. Copies of
// the first version, which had no file line, are still read.
std::string recoveryCopyText(const Study& study, const ChartTitles& titles,
                             std::string_view file = {});

// The largest copy read: a study file's limit, twice over because escaping may double a text.
constexpr std::size_t kMaximumCopyBytes = 2 * kMaximumFileBytes;

// The copy a text holds; none when the text is not a whole recovery copy (cut short, changed,
// of another kind, or beyond what a study can hold: more than kMaximumCopyBytes, or grids
// larger than a study file's limits on levels and observations allow).
std::optional<RecoveryCopy> readRecoveryCopy(std::string_view text);

} // namespace linealidad
