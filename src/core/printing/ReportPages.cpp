#include "core/printing/ReportPages.h"

#include "core/printing/PageTables.h"
#include "core/printing/PageTexts.h"
#include "core/results/ResultFormats.h"
#include "core/stats/Verdicts.h"

#include <algorithm>
#include <cmath>

namespace linealidad {

using results::G10;
using results::G6;

namespace {

// The study's method, analyst and date, one under the other.
void printStudyBlock(SheetWriter& out, const Study& study, Place at) {
    out.text(at.line, at.column, kMethodLabel + study.emetodo);
    out.text(at.line + 1, at.column, kAnalystLabel + study.eanalista);
    out.text(at.line + 2, at.column, kDateLabel + study.efecha);
}

void printClosing(SheetWriter& out, int productLine, int ruleLine) {
    out.rightAligned(productLine, kProductLine);
    out.rule(ruleLine);
}

// The page's end, its lines `offset` further down.
void printPageEnd(SheetWriter& out, const PageLayout& layout, const Study& study,
                  const PageEnd& end, int offset = 0) {
    if (end.study)
        printStudyBlock(out, study, {end.study->line + offset, end.study->column});
    if (end.signatureLine)
        for (const ColumnText& signature : layout.signatures)
            out.text(*end.signatureLine + offset, signature.column, signature.text);
    printClosing(out, end.productLine + offset, end.ruleLine + offset);
}

// The table lines of a table on the pages of `layout`.
TableLines tableLines(const PageLayout& layout, int heading, int last) {
    return {.heading = heading, .continuedHeading = layout.continuedMethod.line + 1, .last = last};
}

void printOriginSentence(SheetWriter& out, const Study& study, int column,
                         const OriginSentence& texts, const ResultadosRegresion& R,
                         double PRegresion) {
    if (!atMostFivePercent(PRegresion)) {
        out.text(texts.line, column, texts.none);
        return;
    }
    const bool passes = std::fabs(R.TcalOrdenada) < R.TTabla;
    out.paragraph(texts.line, column, texts.lastLine,
                  texts.opening + study.eadicionada + " - " + study.emedida +
                      (passes ? texts.passes : texts.fails));
}

// The lack-of-fit and pure-error rows only when the study has pure error; the labels of all
// rows first, then the figures row by row.
void printVarianceRows(SheetWriter& out, const VariancePageLayout& page, char decimal,
                       const ResultadosAnova& A) {
    const VarianceColumns& c = page.columns;
    const int rows = A.GLErrorPuro != 0 ? 4 : 2;
    for (int r = 0; r < rows; ++r)
        out.text(page.firstRow + r, c.source, page.sources[static_cast<std::size_t>(r)]);
    auto row = [&](int r, const std::string& degrees, double squares, double mean) {
        const int line = page.firstRow + r;
        out.text(line, c.degrees, degrees);
        out.text(line, c.squares, G6(squares, decimal));
        out.text(line, c.mean, G6(mean, decimal));
    };
    auto ratio = [&](int r, double F, double P) {
        out.text(page.firstRow + r, c.ratio, G6(F, decimal));
        out.text(page.firstRow + r, c.probability, G6(P, decimal));
    };
    row(0, "1", A.SCRegresion, A.MCRegresion);
    ratio(0, A.FRegresion, A.PRegresion);
    row(1, G6(A.GLError, decimal), A.SCError, A.MCError);
    if (rows == 2)
        return;
    row(2, G6(A.GLFaltaAjuste, decimal), A.SCFaltaAjuste, A.MCFaltaAjuste);
    ratio(2, A.FFaltaAjuste, A.PFaltaAjuste);
    row(3, G6(A.GLErrorPuro, decimal), A.SCErrorPuro, A.MCErrorPuro);
}

// The relation from PRegresion and, with pure error and a relation, the linear model from
// PFaltaAjuste.
void printVerdicts(SheetWriter& out, const Study& study, const VerdictTexts& texts,
                   const ResultadosAnova& A) {
    const std::string& units = study.eadicionada;
    const std::string between = units + texts.conjunction + study.emedida;
    const Relation relation = relationClass(A.PRegresion);
    switch (relation) {
    case Relation::HighlySignificant:
        out.text(texts.line, texts.column, texts.highlySignificant + between);
        break;
    case Relation::Significant:
        out.text(texts.line, texts.column, texts.significant + between);
        break;
    case Relation::NoDependence:
        out.text(texts.line, texts.column, texts.noDependence);
        return;
    }
    if (A.GLErrorPuro == 0)
        return;
    const std::string& model =
        modelClass(A.PFaltaAjuste) == LinearModel::NotAdequate ? texts.doesNotRepresent
        : relation == Relation::Significant                    ? texts.representsAfterSignificant
                                                               : texts.represents;
    out.text(texts.line + 1, texts.column, model + units);
    out.text(texts.line + 2, texts.column, texts.conjunction + study.emedida);
}

// The writer of a page whose first sheet is titled `title`.
SheetWriter titledWriter(const PageLayout& layout, const Study& study, const CentredText& title) {
    SheetWriter out = reportWriter(layout, study);
    out.centred(title.line, title.text);
    return out;
}

} // namespace

void printHeader(SheetWriter& out, const PageHeader& header) {
    out.font(header.points);
    for (const CentredText& title : header.titles)
        out.centred(title.line, title.text);
    out.rule(header.ruleLine, header.rulePixels);
}

SheetWriter reportWriter(const PageLayout& layout, const Study& study) {
    SheetWriter out([header = layout.header](SheetWriter& w) { printHeader(w, header); },
                    layout.bodyPoints);
    out.setUnitDpi(layout.unitDpi);
    out.setContinuation([at = layout.continuedMethod, method = study.emetodo](SheetWriter& w) {
        w.text(at.line, at.column, kMethodLabel + method);
    });
    return out;
}

std::vector<Sheet> generalPage(const PageLayout& layout, const Study& study) {
    const GeneralPageLayout& page = layout.general;
    SheetWriter out = titledWriter(layout, study, page.title);
    for (const StudyField& field : page.fields)
        out.text(field.line, page.column,
                 field.label + (field.text ? study.*field.text : std::string()));
    const int extraLines = printLevelsGrid(out, study, page.levelsLine, page.levelsGrid);
    const int lastRow =
        printDataGrid(out, study, tableLines(layout, page.dataHeading + extraLines, page.dataLast),
                      page.dataGrid);
    printPageEnd(out, layout, study, page.end, page.endFollowsData ? lastRow : 0);
    return std::move(out).sheets();
}

std::vector<Sheet> inferencePage(const PageLayout& layout, const Study& study, char decimal,
                                 const ResultadosRegresion& R, const ResultadosAnova& A) {
    const InferencePageLayout& page = layout.inference;
    const InferenceLabels& l = page.labels;
    SheetWriter out = titledWriter(layout, study, page.title);
    int line = page.firstLine;
    for (const std::string& text :
         {l.slope + G6(R.Pendiente, decimal), l.upperLimit + G6(R.LimSupPendiente, decimal),
          l.lowerLimit + G6(R.LimInfPendiente, decimal), l.t + G6(R.TcalPendiente, decimal),
          l.intercept + G6(R.Ordenada, decimal), l.upperLimit + G6(R.LimSupOrdenada, decimal),
          l.lowerLimit + G6(R.LimInfOrdenada, decimal), l.t + G6(R.TcalOrdenada, decimal),
          l.deviation + G6(R.DesvRegresion, decimal), l.variation + G6(R.CoefVariacion, decimal),
          l.determination + G10(R.R2, decimal)})
        out.text(line++, page.column, text);
    printOriginSentence(out, study, page.column, page.origin, R, A.PRegresion);
    printPageEnd(out, layout, study, page.end);
    return std::move(out).sheets();
}

std::vector<Sheet> variancePage(const PageLayout& layout, const Study& study, char decimal,
                                const ResultadosAnova& A, const Residuals& residuals) {
    const VariancePageLayout& page = layout.variance;
    const ResidualTable& table = page.residuals;
    SheetWriter out = titledWriter(layout, study, page.title);
    for (const PlacedText& heading : page.headings)
        out.text(heading.line, heading.column, heading.text);
    printVarianceRows(out, page, decimal, A);
    printVerdicts(out, study, page.verdicts, A);
    out.centred(table.title.line, table.title.text);
    printResidualTable(out, study, residuals, decimal, table.heading, table.column,
                       tableLines(layout, table.headingLine, table.last), table.studentized);
    printPageEnd(out, layout, study, page.end);
    return std::move(out).sheets();
}

std::vector<Sheet> acceptancePage(const PageLayout& layout, const Study& study,
                                  const AcceptanceVerdict& verdict) {
    const AcceptancePageLayout& page = layout.acceptance.value();
    SheetWriter out = titledWriter(layout, study, page.title);
    printHeadings(out, page.headingLine, page.columns, page.headings, 0);
    int line = page.firstRow;
    for (const CriterionOutcome& o : verdict.outcomes) {
        std::vector<std::string> cells{o.name, o.value, o.limit};
        if (o.passes)
            cells.emplace_back(verdictWord(*o.passes));
        printCells(out, line++, page.columns, cells);
    }
    const int lastRow = line - 1;
    out.font(layout.header.points);
    out.centred(lastRow + page.verdictBelow, page.verdictOpening + verdictWord(verdict.passes));
    out.font(layout.bodyPoints);
    const bool uncounted = std::any_of(verdict.outcomes.begin(), verdict.outcomes.end(),
                                       [](const CriterionOutcome& o) { return !o.passes; });
    if (uncounted)
        out.text(lastRow + page.noteBelow, page.columns.front(), page.note);
    printSignOff(out, layout.signOff.value(), study);
    return std::move(out).sheets();
}

void printSignOff(SheetWriter& out, const SignOff& signOff, const Study& study) {
    printStudyBlock(out, study, signOff.study);
    int column = signOff.study.column;
    for (const std::string& role : signOff.roles) {
        out.text(signOff.line, column, role);
        int line = signOff.line;
        for (const std::string& label : signOff.labels)
            out.text(line += 2, column, label + signOff.blank);
        column += signOff.step;
    }
    printClosing(out, signOff.productLine, signOff.ruleLine);
}

} // namespace linealidad
