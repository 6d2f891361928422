#pragma once

#include "core/stats/Results.h"
#include "core/study/Study.h"

#include <string>
#include <vector>

namespace linealidad {

// The two charts draw the same frame with different texts.
enum class PlotKind {
    Regression, // data points and the fitted line, with the fit statistics
    Residuals,  // studentized residuals around a zero line
};

// The name of the company or laboratory on the first header line while the user has not set
// the lab's own.
inline constexpr const char* kDefaultLabName = "Orvella, S.A.P.I. de C.V.";

// The centred header lines, top to bottom: the lab's name, the program's two lines, the
// residuals chart's own, and the title only when there is one.
std::vector<std::string> headerLines(PlotKind kind, const std::string& lab,
                                     const std::string& title);

// The right-aligned identification lines of the study, top to bottom.
constexpr int kStudyBlockLines = 5;
std::vector<std::string> studyBlockLines(PlotKind kind, const Study& study);

// The characters of the Y axis label, which the chart writes one under the other, in columns
// of at most `rows` characters, for a label longer than the chart is high:
// it breaks between words (a word longer than a column, inside it). One column when it fits;
// at most kVerticalLabelColumns, the last place "…" when the label goes on past them.
constexpr int kVerticalLabelColumns = 3;
std::vector<std::vector<std::string>> verticalColumns(const std::string& label, int rows);

// The residuals chart's Y label: what it plots, and of which property (when it has a name), so
// the residuals are not read as values of the property itself.
std::string residualsAxisLabel(const std::string& property);

// The equation and fit statistics of the regression chart, top to bottom.
constexpr int kStatisticsLines = 4;
std::vector<std::string> statisticsLines(const ResultadosRegresion& R, char decimal);

} // namespace linealidad
