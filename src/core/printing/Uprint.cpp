#include "core/printing/Uprint.h"

#include "core/printing/PageTables.h"
#include "core/printing/PageTexts.h"
#include "core/results/ResultFormats.h"
#include "core/stats/Verdicts.h"

#include <cmath>

namespace linealidad::Uprint {

using results::G10;
using results::G6;

namespace {

constexpr int kHeaderPoints = 12;
constexpr int kBodyPoints = 11;
constexpr int kHeaderRulePixels = 20;
// The residual table and the variance page's footer stand at fixed columns, not at the margin.
// The residual table shares the footer's: at the layout's own 110 U its rows, runs of blanks
// in a proportional type, would end beyond the edge of the sheet.
constexpr int kFooterColumn = 45;
constexpr int kResidualColumn = kFooterColumn;

// A sheet that continues a report names the study's method under the header, above the
// table's heading.
constexpr int kContinuedMethodLine = 9;
constexpr int kContinuedHeading = 10;

// The layout's positions were drawn in the device pixels of a printer of 300 dots per inch.
SheetWriter writer(const Study& study, int m) {
    SheetWriter out(ImprimeEncabezado, kBodyPoints);
    out.setUnitDpi(kDeskjetUnitDpi);
    out.setContinuation([method = study.emetodo, m](SheetWriter& w) {
        w.text(kContinuedMethodLine, m, "Nombre del método: " + method);
    });
    return out;
}

void studyFooter(SheetWriter& out, const Study& study, int line, int column) {
    out.text(line, column, "Nombre del método: " + study.emetodo);
    out.text(line + 1, column, "Nombre del Analista: " + study.eanalista);
    out.text(line + 2, column, "Fecha: " + study.efecha);
}

void closing(SheetWriter& out, int productLine, int ruleLine) {
    out.rightAligned(productLine, kProductLine);
    out.rule(ruleLine);
}

// The sentence wraps at its blanks within the printable width, down to the footer's lines.
void originSentence(SheetWriter& out, const Study& study, int m, const ResultadosRegresion& R,
                    double PRegresion) {
    if (!atMostFivePercent(PRegresion)) {
        out.text(24, m, " - ");
        return;
    }
    const bool passes = std::fabs(R.TcalOrdenada) < R.TTabla;
    out.paragraph(24, m, 55,
                  "LA ORDENADA DE LA RELACIÓN LINEAL " + study.eadicionada + " - " + study.emedida +
                      (passes ? " PASA POR EL ORIGEN." : " NO PASA POR EL ORIGEN."));
}

// The variance table's columns, from the margin m.
struct VarianceColumns {
    int source, degrees, squares, mean, ratio, probability;
    explicit VarianceColumns(int m)
        : source(m), degrees(m + 50), squares(m + 75), mean(m + 105), ratio(m + 135),
          probability(m + 160) {}
};

void varianceHeadings(SheetWriter& out, const VarianceColumns& c) {
    // "FUENTE" and "DE" of the source column stand one unit right of it.
    out.text(12, c.source + 1, "FUENTE");
    out.text(12, c.degrees, "GRADOS");
    out.text(12, c.squares, "SUMA");
    out.text(12, c.mean, "MEDIA");
    out.text(13, c.source + 1, "DE");
    out.text(13, c.degrees, "DE");
    out.text(13, c.squares, "DE");
    out.text(13, c.mean, "DE");
    out.text(13, c.ratio, "Fcal");
    out.text(13, c.probability, "Pr");
    out.text(14, c.source, "VARIACIÓN");
    out.text(14, c.degrees, "LIBERTAD");
    out.text(14, c.squares, "CUADRADOS");
    out.text(14, c.mean, "CUADRADOS");
}

void varianceRows(SheetWriter& out, const VarianceColumns& c, char decimal,
                  const ResultadosAnova& A) {
    const bool pureError = A.GLErrorPuro != 0;
    out.text(16, c.source, "REGRESIÓN");
    out.text(17, c.source, "ERROR DE REGRESIÓN");
    if (pureError) {
        out.text(18, c.source, "FALTA DE AJUSTE");
        out.text(19, c.source, "ERROR PURO");
    }
    auto row = [&](int line, const std::string& degrees, double squares, double mean) {
        out.text(line, c.degrees, degrees);
        out.text(line, c.squares, G6(squares, decimal));
        out.text(line, c.mean, G6(mean, decimal));
    };
    row(16, "1", A.SCRegresion, A.MCRegresion);
    out.text(16, c.ratio, G6(A.FRegresion, decimal));
    out.text(16, c.probability, G6(A.PRegresion, decimal));
    row(17, G6(A.GLError, decimal), A.SCError, A.MCError);
    if (!pureError)
        return;
    row(18, G6(A.GLFaltaAjuste, decimal), A.SCFaltaAjuste, A.MCFaltaAjuste);
    out.text(18, c.ratio, G6(A.FFaltaAjuste, decimal));
    out.text(18, c.probability, G6(A.PFaltaAjuste, decimal));
    row(19, G6(A.GLErrorPuro, decimal), A.SCErrorPuro, A.MCErrorPuro);
}

void verdicts(SheetWriter& out, const Study& study, int m, const ResultadosAnova& A) {
    const std::string units = study.eadicionada;
    const std::string property = study.emedida;
    const Relation relation = relationClass(A.PRegresion);
    switch (relation) {
    case Relation::HighlySignificant:
        out.text(21, m,
                 "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA ENTRE " + units + " Y " + property);
        break;
    case Relation::Significant:
        out.text(21, m, "EXISTE RELACIÓN SIGNIFICATIVA ENTRE " + units + " Y " + property);
        break;
    case Relation::NoDependence:
        out.text(21, m, "NO HAY DEPENDENCIA ENTRE LAS VARIABLES");
        return;
    }
    if (A.GLErrorPuro == 0)
        return;
    const bool represents = modelClass(A.PFaltaAjuste) == LinearModel::Adequate;
    out.text(
        22, m,
        std::string(represents ? "EL MODELO LINEAL REPRESENTA" : "EL MODELO LINEAL NO REPRESENTA") +
            " DE MANERA CORRECTA LA RELACIÓN " + units);
    out.text(23, m, " Y " + property);
}

// The residual title keeps its mixed case.
const std::string kResidualHeading =
    "Observación" + std::string(8, ' ') + "Pronóstico para Y" + std::string(19, ' ') + "Residuales";

} // namespace

int FactorMargen(int SELECMARIndex, int previous) {
    switch (SELECMARIndex) {
    case 0:
        return 1;
    case 1:
        return 3;
    case 2:
        return 5;
    default:
        return previous;
    }
}

void ImprimeEncabezado(SheetWriter& out) {
    out.font(kHeaderPoints);
    out.centred(5, "Quendal");
    out.centred(6, "Control de Calidad");
    out.centred(7, "LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN");
    out.rule(8, kHeaderRulePixels);
}

std::vector<Sheet> ImprimeGeneral(const Study& study, int m) {
    SheetWriter out = writer(study, m);
    out.centred(9, "INFORMACIÓN GENERAL");
    out.text(11, m, "Nombre del método: " + study.emetodo);
    out.text(12, m, "Nombre del Analista: " + study.eanalista);
    out.text(13, m, "Fecha: " + study.efecha);
    out.text(15, m, "Unidades de la cantidad adicionada: " + study.eadicionada);
    out.text(16, m, "Nombre de la propiedad medida: " + study.emedida);
    out.text(18, m, "Número de niveles:");
    out.text(19, m, study.eniveles);
    const int extraLines = printLevelsGrid(out, study, 21, {m, 20});
    // No signature lines: the product line and the rule follow the data grid, two lines below
    // its last row; the rule's line is at most 62, the lowest line any page uses.
    const int lastRow = printDataGrid(
        out, study, {.heading = 26 + extraLines, .continuedHeading = kContinuedHeading, .last = 58},
        {m, 28});
    closing(out, lastRow + 3, lastRow + 4);
    return std::move(out).sheets();
}

std::vector<Sheet> ImprimeInferencia(const Study& study, char decimal, int m,
                                     const ResultadosRegresion& R, const ResultadosAnova& A) {
    SheetWriter out = writer(study, m);
    const std::string upperLimit = "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = ";
    const std::string lowerLimit = "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = ";
    out.centred(10, "INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN");
    out.text(12, m, "PENDIENTE =  " + G6(R.Pendiente, decimal));
    out.text(13, m, upperLimit + G6(R.LimSupPendiente, decimal));
    out.text(14, m, lowerLimit + G6(R.LimInfPendiente, decimal));
    out.text(15, m, "t cal = " + G6(R.TcalPendiente, decimal));
    out.text(16, m, "ORDENADA AL ORIGEN = " + G6(R.Ordenada, decimal));
    out.text(17, m, upperLimit + G6(R.LimSupOrdenada, decimal));
    out.text(18, m, lowerLimit + G6(R.LimInfOrdenada, decimal));
    out.text(19, m, "t cal = " + G6(R.TcalOrdenada, decimal));
    out.text(20, m, "DESVIACIÓN ESTÁNDAR DE REGRESIÓN = " + G6(R.DesvRegresion, decimal));
    out.text(21, m, "COEFICIENTE DE VARIACIÓN = " + G6(R.CoefVariacion, decimal));
    out.text(22, m, "COEFICIENTE DE DETERMINACIÓN (r^2) = " + G10(R.R2, decimal));
    originSentence(out, study, m, R, A.PRegresion);
    studyFooter(out, study, 57, m);
    closing(out, 61, 62);
    return std::move(out).sheets();
}

std::vector<Sheet> ImprimeAnova(const Study& study, char decimal, int m, const ResultadosAnova& A,
                                const Residuals& residuals) {
    SheetWriter out = writer(study, m);
    const VarianceColumns columns(m);
    out.centred(10, "ANÁLISIS DE LA VARIANZA");
    varianceHeadings(out, columns);
    varianceRows(out, columns, decimal, A);
    verdicts(out, study, m, A);
    out.centred(26, "Análisis de Residuales");
    printResidualTable(out, study, residuals, decimal, kResidualHeading, kResidualColumn,
                       {.heading = 28, .continuedHeading = kContinuedHeading, .last = 54}, false);
    studyFooter(out, study, 55, kFooterColumn);
    closing(out, 60, 62);
    return std::move(out).sheets();
}

} // namespace linealidad::Uprint
