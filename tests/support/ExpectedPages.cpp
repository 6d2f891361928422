#include "support/ExpectedPages.h"

#include "core/printing/PrintSheets.h"

#include <stdexcept>

namespace linealidad::test {
namespace {

// The worked example's grids, column by column, each top to bottom; the levels grid's third
// row prints empty.
const std::vector<std::vector<std::string>> kLevelsGrid{
    {"     Nivel  ", " # Replicas ", ""}, {"1", "2", ""}, {"2", "2", ""}, {"3", "2", ""}};
const std::vector<std::vector<std::string>> kDataGrid{
    {"Nivel", "", "", "", "", "", ""},
    {"X", "1", "1", "2", "2", "3", "3"},
    {"Y", "1.0", "1.2", "2.1", "1.9", "3.2", "2.9"}};

// Slope, its limits and t; intercept, its limits and t; Sy/x, CV and r².
const std::vector<std::string> kInferenceFigures{"0.975",    "1.1861",   "0.763898",    "12.8231",
                                                 "0.1",      "0.556033", "-0.356033",   "0.608816",
                                                 "0.152069", "7.418",    "0.9762516046"};

// Each row of the variance table: degrees of freedom, sum and mean of squares, and for the
// regression and the lack of fit the ratio and its probability.
const std::vector<std::vector<std::string>> kVarianceRows{
    {"1", "3.8025", "3.8025", "164.432", "0.000898959"},
    {"4", "0.0925", "0.023125"},
    {"1", "0.0075", "0.0075", "0.264706", "0.642406"},
    {"3", "0.085", "0.0283333"}};

// Observation, predicted Y, residual and studentized residual.
const std::vector<std::vector<std::string>> kResiduals{
    {"1", "1.075", "-0.075", "-0.64575"}, {"2", "1.075", "0.125", "1.0762"},
    {"3", "2.05", "0.05", "0.36018"},     {"4", "2.05", "-0.15", "-1.0805"},
    {"5", "3.025", "0.175", "1.5067"},    {"6", "3.025", "-0.125", "-1.0762"}};

const std::vector<std::string> kStudyBlock{"Nombre del método: Valoración por UV",
                                           "Nombre del Analista: Ana Pérez", "Fecha: 08/12/2026"};

void grid(ExpectedTexts& e, int line, int first, int step,
          const std::vector<std::vector<std::string>>& columns) {
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (std::size_t row = 0; row < columns[c].size(); ++row)
            e.at(line + static_cast<int>(row), first + step * static_cast<int>(c), columns[c][row]);
}

void pageEnd(ExpectedTexts& e, const ExpectedLayout& layout, std::optional<int> signatureLine,
             int productLine) {
    if (signatureLine)
        for (const ColumnText& signature : layout.signatures)
            e.at(*signatureLine, signature.column, signature.text);
    e.right(productLine, "TARVEL v. w 3.1").footer(1, 1);
}

void studyBlock(ExpectedTexts& e, int line, int column) {
    for (const std::string& text : kStudyBlock)
        e.at(line++, column, text);
}

QStringList general(const ExpectedLayout& layout) {
    const auto& page = layout.general;
    ExpectedTexts e = expectedHeader(layout);
    e.centred(page.title.line, page.title.text);
    for (const LineText& line : page.lines)
        e.at(line.line, page.column, line.text);
    grid(e, page.levelsLine, page.column, page.levelsStep, kLevelsGrid);
    grid(e, page.dataLine, page.column, page.dataStep, kDataGrid);
    pageEnd(e, layout, page.signatureLine, page.productLine);
    return e.lines;
}

QStringList inference(const ExpectedLayout& layout) {
    const auto& page = layout.inference;
    ExpectedTexts e = expectedHeader(layout);
    e.centred(page.title.line, page.title.text);
    for (std::size_t i = 0; i < kInferenceFigures.size(); ++i)
        e.at(page.firstLine + static_cast<int>(i), page.column,
             page.labels.at(i) + kInferenceFigures[i]);
    e.at(page.origin.line, page.column, page.origin.text);
    studyBlock(e, page.studyLine, page.column);
    pageEnd(e, layout, page.signatureLine, page.productLine);
    return e.lines;
}

std::string residualRow(const std::vector<std::string>& figures, bool studentized) {
    std::string row = std::string(8, ' ') + figures[0] + std::string(28, ' ') + figures[1] +
                      std::string(30, ' ') + figures[2];
    if (studentized)
        row += std::string(30, ' ') + figures[3];
    return row;
}

QStringList variance(const ExpectedLayout& layout) {
    const auto& page = layout.variance;
    ExpectedTexts e = expectedHeader(layout);
    e.centred(page.title.line, page.title.text);
    for (const PlacedLine& heading : page.headings)
        e.at(heading.line, heading.column, heading.text);
    for (std::size_t r = 0; r < page.sources.size(); ++r)
        e.at(page.firstRow + static_cast<int>(r), page.columns.front(), page.sources[r]);
    for (std::size_t r = 0; r < kVarianceRows.size(); ++r)
        for (std::size_t c = 0; c < kVarianceRows[r].size(); ++c)
            e.at(page.firstRow + static_cast<int>(r), page.columns.at(c + 1), kVarianceRows[r][c]);
    for (std::size_t v = 0; v < page.verdicts.size(); ++v)
        e.at(page.verdictLine + static_cast<int>(v), page.columns.front(), page.verdicts[v]);
    e.centred(page.residualTitleLine, "Análisis de Residuales");
    const PlacedLine& heading = page.residualHeading;
    e.at(heading.line, heading.column, heading.text);
    for (std::size_t i = 0; i < kResiduals.size(); ++i)
        e.at(heading.line + 1 + static_cast<int>(i), heading.column,
             residualRow(kResiduals[i], page.studentized));
    studyBlock(e, page.studyLine, page.studyColumn);
    pageEnd(e, layout, page.signatureLine, page.productLine);
    return e.lines;
}

} // namespace

RecordingDocument printedPage(PageChoice page, const Study& study, const PageRequest& request) {
    ResultSet results;
    const auto sheets = composePage(request.layout, page, study, request.decimal, request.margin,
                                    results, defaultCriteria(), request.recovered);
    if (!sheets)
        throw std::runtime_error("zero slope");
    return printedSheets(*sheets);
}

RecordingDocument printedSheets(const std::vector<Sheet>& sheets) {
    RecordingDocument document;
    printSheets(document, sheets, testStamp());
    return document;
}

ExpectedTexts expectedHeader(const ExpectedLayout& layout) {
    ExpectedTexts e(RecordingDocument::kWidth, RecordingDocument::kHeight, layout.unit);
    e.font(12);
    for (const LineText& title : layout.header)
        e.centred(title.line, title.text);
    e.font(layout.bodyPoints);
    return e;
}

QStringList expectedPage(const ExpectedLayout& layout, PageChoice page) {
    switch (page) {
    case PageChoice::General:
        return general(layout);
    case PageChoice::Inference:
        return inference(layout);
    case PageChoice::Variance:
        return variance(layout);
    default:
        throw std::invalid_argument("no expected page");
    }
}

QList<int> linesAt(const std::vector<RecordingCanvas::Text>& texts, int x) {
    QList<int> lines;
    for (const auto& t : texts)
        if (t.x == x)
            lines << t.y / 100;
    return lines;
}

QList<int> lineRange(int first, int last) {
    QList<int> r;
    for (int i = first; i <= last; ++i)
        r << i;
    return r;
}

} // namespace linealidad::test
