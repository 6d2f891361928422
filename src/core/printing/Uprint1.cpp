#include "core/printing/Uprint1.h"

#include "core/printing/PageTables.h"
#include "core/printing/PageTexts.h"
#include "core/results/ResultFormats.h"
#include "core/stats/Verdicts.h"

#include <algorithm>
#include <cmath>

namespace linealidad::Uprint1 {

using results::G10;
using results::G6;

namespace {

constexpr int kHeaderPoints = 12;
constexpr int kBodyPoints = 10;
// The column of every line that is not centred, right-aligned or in a table.
constexpr int kLeft = 45;
constexpr int kSecondSignature = 250;
constexpr int kHeaderRulePixels = 20;

// A sheet that continues a report names the study's method under the header, above the
// table's heading.
constexpr int kContinuedMethodLine = 12;
constexpr int kContinuedHeading = 13;

void signatures(SheetWriter& out, int line) {
    out.text(line, kLeft, "Realizó _________________________");
    out.text(line, kSecondSignature, "Revisó _________________________");
}

// Method, analyst and date from `line` down.
void studyFooter(SheetWriter& out, const Study& study, int line) {
    out.text(line, kLeft, "Nombre del método: " + study.emetodo);
    out.text(line + 1, kLeft, "Nombre del Analista: " + study.eanalista);
    out.text(line + 2, kLeft, "Fecha: " + study.efecha);
}

void closing(SheetWriter& out, int productLine, int ruleLine) {
    out.rightAligned(productLine, kProductLine);
    out.rule(ruleLine);
}

// Decided on PRegresion first: above 0.05 the line gets no sentence, only " - ". The sentence
// wraps at its blanks within the printable width, on the lines down to the footer's.
void originSentence(SheetWriter& out, const Study& study, const ResultadosRegresion& R,
                    double PRegresion) {
    if (!atMostFivePercent(PRegresion)) {
        out.text(26, kLeft, " - ");
        return;
    }
    const bool passes = std::fabs(R.TcalOrdenada) < R.TTabla;
    out.paragraph(26, kLeft, 52,
                  "La ordenada de la relación lineal " + study.eadicionada + " - " + study.emedida +
                      (passes ? " pasa por el origen." : " no pasa por el origen."));
}

// Variance table columns.
constexpr int kDegreesHeading = 110;
constexpr int kDegrees = 115;
constexpr int kSquares = 155;
constexpr int kMeanSquare = 215;
constexpr int kRatio = 270;
constexpr int kProbability = 310;

void varianceHeadings(SheetWriter& out) {
    out.text(14, kLeft, "Fuente");
    out.text(14, kDegreesHeading, "Grados");
    out.text(14, kSquares, "Suma");
    out.text(14, kMeanSquare, "Media");
    out.text(15, kLeft, "de");
    out.text(15, kDegreesHeading, "de");
    out.text(15, kSquares, "de");
    out.text(15, kMeanSquare, "de");
    out.text(15, kRatio, "Fcal");
    out.text(15, kProbability, "Pr");
    out.text(16, kLeft, "Variación");
    out.text(16, kDegreesHeading, "Libertad");
    out.text(16, kSquares, "Cuadrados");
    out.text(16, kMeanSquare, "Cuadrados");
}

// The lack-of-fit and pure-error rows only when the study has pure error; the labels of all
// rows first, then the values row by row.
void varianceRows(SheetWriter& out, char decimal, const ResultadosAnova& A) {
    const bool pureError = A.GLErrorPuro != 0;
    out.text(18, kLeft, "Regresión");
    out.text(19, kLeft, "Error de Regresión");
    if (pureError) {
        out.text(20, kLeft, "Falta de Ajuste");
        out.text(21, kLeft, "Error Puro");
    }
    auto row = [&](int line, const std::string& degrees, double squares, double mean) {
        out.text(line, kDegrees, degrees);
        out.text(line, kSquares, G6(squares, decimal));
        out.text(line, kMeanSquare, G6(mean, decimal));
    };
    row(18, "1", A.SCRegresion, A.MCRegresion);
    out.text(18, kRatio, G6(A.FRegresion, decimal));
    out.text(18, kProbability, G6(A.PRegresion, decimal));
    row(19, G6(A.GLError, decimal), A.SCError, A.MCError);
    if (!pureError)
        return;
    row(20, G6(A.GLFaltaAjuste, decimal), A.SCFaltaAjuste, A.MCFaltaAjuste);
    out.text(20, kRatio, G6(A.FFaltaAjuste, decimal));
    out.text(20, kProbability, G6(A.PFaltaAjuste, decimal));
    row(21, G6(A.GLErrorPuro, decimal), A.SCErrorPuro, A.MCErrorPuro);
}

// The relation from PRegresion and, with pure error and a relation, the linear model from
// PFaltaAjuste. The printed sentence keeps the capital "El" of the layout after a significant
// (not highly significant) relation that the model represents.
void verdicts(SheetWriter& out, const Study& study, const ResultadosAnova& A) {
    const std::string units = study.eadicionada;
    const std::string property = study.emedida;
    const Relation relation = relationClass(A.PRegresion);
    switch (relation) {
    case Relation::HighlySignificant:
        out.text(23, kLeft,
                 "Existe relación altamente significativa entre " + units + " y " + property);
        break;
    case Relation::Significant:
        out.text(23, kLeft, "Existe relación significativa entre " + units + " y " + property);
        break;
    case Relation::NoDependence:
        out.text(23, kLeft, "No hay dependencia entre las variables");
        return;
    }
    if (A.GLErrorPuro == 0)
        return;
    std::string model;
    if (modelClass(A.PFaltaAjuste) == LinearModel::NotAdequate)
        model = "el modelo lineal no representa de manera correcta la relación ";
    else if (relation == Relation::Significant)
        model = "El modelo lineal representa de manera correcta la relación ";
    else
        model = "el modelo lineal representa de manera correcta la relación ";
    out.text(24, kLeft, model + units);
    out.text(25, kLeft, " y " + property);
}

const std::string kResidualHeading = "Observación" + std::string(8, ' ') + "Pronóstico para Y" +
                                     std::string(19, ' ') + "Residuales" + std::string(19, ' ') +
                                     "Residuos Estudentizados";

// Acceptance table columns: wide enough for the longest criterion name, an interval or "no
// aplicable (sin error puro)", a limit such as "≥ 0.000123457" and "NO CUMPLE" within the
// printable width of A4, the narrower of A4 and letter.
constexpr int kCriterionValue = 185;
constexpr int kCriterionLimit = 290;
constexpr int kCriterionResult = 342;
constexpr int kFirstCriterion = 16;

void criterionRow(SheetWriter& out, int line, const CriterionOutcome& o) {
    out.text(line, kLeft, o.name);
    out.text(line, kCriterionValue, o.value);
    out.text(line, kCriterionLimit, o.limit);
    if (o.passes)
        out.text(line, kCriterionResult, verdictWord(*o.passes));
}

// The three sign-off blocks across the page.
void signOff(SheetWriter& out, int line) {
    const std::string blank(20, '_');
    int column = kLeft;
    for (const char* role : {"Elaboró", "Revisó", "Aprobó"}) {
        out.text(line, column, role);
        out.text(line + 2, column, "Nombre: " + blank);
        out.text(line + 4, column, "Firma: " + blank);
        out.text(line + 6, column, "Fecha: " + blank);
        column += 115;
    }
}

} // namespace

SheetWriter reportWriter(const Study& study) {
    SheetWriter out(ImprimeEncabezado, kBodyPoints);
    out.setContinuation([method = study.emetodo](SheetWriter& w) {
        w.text(kContinuedMethodLine, kLeft, "Nombre del método: " + method);
    });
    return out;
}

void ImprimeEncabezado(SheetWriter& out) {
    out.font(kHeaderPoints);
    out.centred(7, "Control de Calidad");
    out.centred(8, "Linealidad y Precisión del Sistema de Medición");
    out.rule(10, kHeaderRulePixels);
}

std::vector<Sheet> ImprimeGeneral(const Study& study) {
    SheetWriter out = reportWriter(study);
    out.centred(12, "Información General");
    // The capitals of these labels differ from those of the other pages' footers.
    out.text(14, kLeft, "Nombre del Método: " + study.emetodo);
    out.text(15, kLeft, "Nombre del Analista: " + study.eanalista);
    out.text(16, kLeft, "Fecha: " + study.efecha);
    out.text(17, kLeft, "Unidades de la Cantidad Adicionada: " + study.eadicionada);
    out.text(18, kLeft, "Nombre de la Propiedad Medida: " + study.emedida);
    out.text(20, kLeft, "Número de niveles:");
    out.text(21, kLeft, study.eniveles);
    const GridColumns columns{kLeft, 38};
    const int extraLines = printLevelsGrid(out, study, 24, columns);
    printDataGrid(out, study,
                  {.heading = 29 + extraLines, .continuedHeading = kContinuedHeading, .last = 55},
                  columns);
    signatures(out, 56);
    closing(out, 58, 59);
    return std::move(out).sheets();
}

std::vector<Sheet> ImprimeInferencia(const Study& study, char decimal, const ResultadosRegresion& R,
                                     const ResultadosAnova& A) {
    SheetWriter out = reportWriter(study);
    const std::string upperLimit = "Límite Superior del Intervalo de Confianza = ";
    const std::string lowerLimit = "Límite Inferior del Intervalo de Confianza = ";
    out.centred(12, "Inferencia de Pendiente y Ordenada al Origen");
    out.text(14, kLeft, "Pendiente =  " + G6(R.Pendiente, decimal));
    out.text(15, kLeft, upperLimit + G6(R.LimSupPendiente, decimal));
    out.text(16, kLeft, lowerLimit + G6(R.LimInfPendiente, decimal));
    out.text(17, kLeft, "t cal = " + G6(R.TcalPendiente, decimal));
    out.text(18, kLeft, "Ordenada al Origen = " + G6(R.Ordenada, decimal));
    out.text(19, kLeft, upperLimit + G6(R.LimSupOrdenada, decimal));
    out.text(20, kLeft, lowerLimit + G6(R.LimInfOrdenada, decimal));
    out.text(21, kLeft, "t cal = " + G6(R.TcalOrdenada, decimal));
    out.text(22, kLeft, "Desviación Estándar de Regresión = " + G6(R.DesvRegresion, decimal));
    out.text(23, kLeft, "Coeficiente de Variación = " + G6(R.CoefVariacion, decimal));
    out.text(24, kLeft, "Coeficiente de Determinación (r^2) = " + G10(R.R2, decimal));
    originSentence(out, study, R, A.PRegresion);
    studyFooter(out, study, 54);
    signatures(out, 59);
    closing(out, 61, 62);
    return std::move(out).sheets();
}

std::vector<Sheet> ImprimeAnova(const Study& study, char decimal, const ResultadosAnova& A,
                                const Residuals& residuals) {
    SheetWriter out = reportWriter(study);
    out.centred(12, "Análisis de la Varianza");
    varianceHeadings(out);
    varianceRows(out, decimal, A);
    verdicts(out, study, A);
    out.centred(28, "Análisis de Residuales");
    printResidualTable(out, study, residuals, decimal, kResidualHeading, 55,
                       {.heading = 30, .continuedHeading = kContinuedHeading, .last = 52}, true);
    studyFooter(out, study, 53);
    signatures(out, 58);
    closing(out, 60, 62);
    return std::move(out).sheets();
}

std::vector<Sheet> ImprimeDictamen(const Study& study, const AcceptanceVerdict& verdict) {
    SheetWriter out = reportWriter(study);
    out.centred(12, "Dictamen de aceptación");
    criterionRow(out, 14, {CriterionKind::Determination, "Criterio", "Valor", "Límite", {}});
    out.text(14, kCriterionResult, "Resultado");
    out.rule(15);
    int line = kFirstCriterion;
    for (const CriterionOutcome& o : verdict.outcomes)
        criterionRow(out, line++, o);
    out.font(kHeaderPoints);
    out.centred(line + 2, std::string("DICTAMEN: ") + verdictWord(verdict.passes));
    out.font(kBodyPoints);
    const bool uncounted = std::any_of(verdict.outcomes.begin(), verdict.outcomes.end(),
                                       [](const CriterionOutcome& o) { return !o.passes; });
    if (uncounted)
        out.text(line + 4, kLeft,
                 "Los renglones sin resultado solo informan o no se aplican a este estudio.");
    signedClosing(out, study);
    return std::move(out).sheets();
}

void signedClosing(SheetWriter& out, const Study& study) {
    studyFooter(out, study, kSignedClosingLine);
    signOff(out, kSignedClosingLine + 5);
    closing(out, 61, 62);
}

} // namespace linealidad::Uprint1
