#pragma once

#include "core/printing/PrintedPages.h"
#include "support/PlacedTexts.h"
#include "support/RecordingDocument.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace linealidad::test {

// What a page test prints: `page` of `study` composed in `layout` on a fresh result set, then
// printed with testStamp() on a recording document. Throws when the slope comes out zero.
struct PageRequest {
    PrintLayout layout = PrintLayout::Laser;
    int margin = 0;
    char decimal = '.';
    bool recovered = false;
};
RecordingDocument printedPage(PageChoice page, const Study& study, const PageRequest& request);
RecordingDocument printedSheets(const std::vector<Sheet>& sheets);

// A text on an expected page, its line in L and its column in U.
struct LineText {
    int line = 0;
    std::string text;
};
struct PlacedLine {
    int line = 0;
    int column = 0;
    std::string text;
};
struct ColumnText {
    int column = 0;
    std::string text;
};

// How a layout is expected to print the report pages of the worked example (workedExample()
// with '.'): the places and spellings the layout chooses. The figures the computations give
// are the same in every layout; expectedPage writes them.
struct ExpectedLayout {
    int unit = 12;                // U in pixels at 600 dots per inch
    std::vector<LineText> header; // the centred titles, in 12 points
    int bodyPoints = 10;
    // Each signature's column and text; none when the layout has no signature lines.
    std::vector<ColumnText> signatures;

    struct General {
        LineText title;
        int column = 0;
        std::vector<LineText> lines; // the general information, at the column
        int levelsLine = 0;
        int levelsStep = 0;
        int dataLine = 0;
        int dataStep = 0;
        std::optional<int> signatureLine;
        int productLine = 0;
    } general;

    struct Inference {
        LineText title;
        int column = 0;
        int firstLine = 0;
        // The labels of the eleven lines, each followed by its figure.
        std::vector<std::string> labels;
        LineText origin;
        int studyLine = 0; // the study's method, analyst and date, at the column
        std::optional<int> signatureLine;
        int productLine = 0;
    } inference;

    struct Variance {
        LineText title;
        std::vector<PlacedLine> headings;
        int firstRow = 0;
        // The columns of the sources, the degrees of freedom, the sums and means of squares,
        // the ratios and the probabilities.
        std::vector<int> columns;
        std::vector<std::string> sources;
        // The relation, the model and the property after it, one a line at the sources' column.
        int verdictLine = 0;
        std::vector<std::string> verdicts;
        int residualTitleLine = 0;
        PlacedLine residualHeading;
        bool studentized = false;
        // The first line and the column of the study's method, analyst and date.
        int studyLine = 0;
        int studyColumn = 0;
        std::optional<int> signatureLine;
        int productLine = 0;
    } variance;
};

// The header and the body's type every page of `layout` starts with.
ExpectedTexts expectedHeader(const ExpectedLayout& layout);

// The texts of `page` (general, inference or variance) of the worked example in `layout`, in
// drawing order, as `placed` lists them, the footer of a single sheet last.
QStringList expectedPage(const ExpectedLayout& layout, PageChoice page);

// The lines (in L) of the texts at `x` pixels, in drawing order.
QList<int> linesAt(const std::vector<RecordingCanvas::Text>& texts, int x);

// first, first + 1, ..., last.
QList<int> lineRange(int first, int last);

} // namespace linealidad::test
