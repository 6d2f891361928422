#pragma once

#include "core/results/ResultFormats.h"
#include "core/stats/ValidationStatistics.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// The cells the window, the printed page and the command-line tool share for the validation
// statistics: numbers in the general format of 6 significant digits with the decimal separator,
// and "no aplicable (motivo)" where a statistic does not apply.

// "no aplicable (motivo)", and the words before the parentheses.
std::string notApplicableText(const NotApplicable& why);
inline constexpr const char* kNotApplicable = "no aplicable";
// The reason of a cell that reads "no aplicable (motivo)", if it reads so.
std::optional<std::string> notApplicableReason(const std::string& cell);

// The value of a statistic that may not apply.
std::string figureText(const Applicable<double>& value, char decimal);

// "sí" or "no".
std::string yesNo(bool value);

// A summary's mean, DE and CV %, each or why it does not apply.
std::array<std::string, 3> summaryFigures(const Applicable<SampleSummary>& summary, char decimal);
// Bartlett's χ², gl and p; Levene's F, gl1, gl2 and p; Cochran's C and its critical value.
std::array<std::string, 9> homogeneityFigures(const VarianceHomogeneity& h, char decimal);
// The lower and upper ends of the mean recovery's interval.
std::array<std::string, 2> intervalFigures(const Applicable<MeanInterval>& interval, char decimal);

// Nivel, n, X, media Y, DE Y, CV %, X recalculada, error relativo %.
std::vector<std::string> levelHeadings();
std::vector<std::string> levelCells(int number, const LevelPrecision& level, char decimal);

// The weighting's name, then its line's slope, intercept and sum of |error relativo %|, or
// why it does not apply.
std::vector<std::string> weightingCells(Weighting weighting, const Applicable<WeightedLine>& line,
                                        char decimal);

// The text of a statistic that may not apply: `text` of its value, or why it does not.
template <typename T, typename Text> std::string textOf(const Applicable<T>& a, Text text) {
    if (const T* value = valueOf(a))
        return text(*value);
    return notApplicableText(std::get<NotApplicable>(a));
}

// One figure of a statistic that may not apply as a whole (a test and its p, say).
template <typename T, typename Figure>
std::string figureOf(const Applicable<T>& a, Figure figure, char decimal) {
    return textOf(a, [&](const T& value) {
        return results::G6(static_cast<double>(figure(value)), decimal);
    });
}

} // namespace linealidad
