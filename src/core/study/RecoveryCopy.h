#pragma once

#include "core/study/Study.h"
#include "core/study/StudyFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace linealidad {

// What the recovery copy of an unsaved study holds: everything the study window holds, as it
// holds it (whether it would pass the validation or not, cells hidden by the grid counts
// included), and the chart titles a study file carries.
struct RecoveryCopy {
    Study study;
    ChartTitles titles;
};

// The text of a recovery copy: a first line that names the kind and version, then one text per
// line in UTF-8 (a line end or backslash inside a text is written as \n, \r or \\): the five
// general-information texts, the number of levels, each grid as a line of its counts followed
// by its held cells row by row, and the three chart titles.
std::string recoveryCopyText(const Study& study, const ChartTitles& titles);

// The copy a text holds; none when the text is not a whole recovery copy (cut short, changed,
// or of another kind).
std::optional<RecoveryCopy> readRecoveryCopy(std::string_view text);

} // namespace linealidad
