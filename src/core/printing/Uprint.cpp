#include "core/printing/Uprint.h"

#include "core/printing/ReportPages.h"

namespace linealidad::Uprint {
namespace {

// The residual table and the variance page's study block stand at a fixed column, not at the
// margin. The residual table shares the block's: at the layout's own 110 U its rows, runs of
// blanks in a proportional type, would end beyond the edge of the sheet.
constexpr int kFixedColumn = 45;

// The residual title keeps its mixed case.
const std::string kResidualHeading =
    "Observación" + std::string(8, ' ') + "Pronóstico para Y" + std::string(19, ' ') + "Residuales";

// The layout with the margin `m`: its positions were drawn in the device pixels of a printer of
// 300 dots per inch. No signature lines: on the general page the product line and the rule
// follow the data grid, three and four lines below its last row; the rule's line is at most
// 62, the lowest line any page uses.
PageLayout deskjet(int m) {
    return {
        .unitDpi = kDeskjetUnitDpi,
        .header = {.points = 12,
                   .titles = {{5, "Quendal"},
                              {6, "Control de Calidad"},
                              {7, "LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN"}},
                   .ruleLine = 8,
                   .rulePixels = 20},
        .bodyPoints = 11,
        .continuedMethod = {9, m},
        .signatures = {},
        .general = {.title = {9, "INFORMACIÓN GENERAL"},
                    .column = m,
                    .fields = {{11, "Nombre del método: ", &Study::emetodo},
                               {12, "Nombre del Analista: ", &Study::eanalista},
                               {13, "Fecha: ", &Study::efecha},
                               {15, "Unidades de la cantidad adicionada: ", &Study::eadicionada},
                               {16, "Nombre de la propiedad medida: ", &Study::emedida},
                               {18, "Número de niveles:"},
                               {19, "", &Study::eniveles}},
                    .levelsLine = 21,
                    .levelsGrid = {m, 20},
                    .dataHeading = 26,
                    .dataLast = 58,
                    .dataGrid = {m, 28},
                    .end = {.study = std::nullopt,
                            .signatureLine = std::nullopt,
                            .productLine = 3,
                            .ruleLine = 4},
                    .endFollowsData = true},
        .inference = {.title = {10, "INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN"},
                      .firstLine = 12,
                      .column = m,
                      .labels = {.slope = "PENDIENTE =  ",
                                 .upperLimit = "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = ",
                                 .lowerLimit = "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = ",
                                 .t = "t cal = ",
                                 .intercept = "ORDENADA AL ORIGEN = ",
                                 .deviation = "DESVIACIÓN ESTÁNDAR DE REGRESIÓN = ",
                                 .variation = "COEFICIENTE DE VARIACIÓN = ",
                                 .determination = "COEFICIENTE DE DETERMINACIÓN (r^2) = "},
                      .origin = {.line = 24,
                                 .lastLine = 55,
                                 .opening = "LA ORDENADA DE LA RELACIÓN LINEAL ",
                                 .passes = " PASA POR EL ORIGEN.",
                                 .fails = " NO PASA POR EL ORIGEN.",
                                 .none = " - "},
                      .end = {.study = Place{57, m},
                              .signatureLine = std::nullopt,
                              .productLine = 61,
                              .ruleLine = 62}},
        // "FUENTE" and "DE" of the source column stand one unit right of it.
        .variance =
            {.title = {10, "ANÁLISIS DE LA VARIANZA"},
             .headings = {{12, m + 1, "FUENTE"},
                          {12, m + 50, "GRADOS"},
                          {12, m + 75, "SUMA"},
                          {12, m + 105, "MEDIA"},
                          {13, m + 1, "DE"},
                          {13, m + 50, "DE"},
                          {13, m + 75, "DE"},
                          {13, m + 105, "DE"},
                          {13, m + 135, "Fcal"},
                          {13, m + 160, "Pr"},
                          {14, m, "VARIACIÓN"},
                          {14, m + 50, "LIBERTAD"},
                          {14, m + 75, "CUADRADOS"},
                          {14, m + 105, "CUADRADOS"}},
             .firstRow = 16,
             .columns = {.source = m,
                         .degrees = m + 50,
                         .squares = m + 75,
                         .mean = m + 105,
                         .ratio = m + 135,
                         .probability = m + 160},
             .sources = {"REGRESIÓN", "ERROR DE REGRESIÓN", "FALTA DE AJUSTE", "ERROR PURO"},
             .verdicts = {.line = 21,
                          .column = m,
                          .highlySignificant = "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA ENTRE ",
                          .significant = "EXISTE RELACIÓN SIGNIFICATIVA ENTRE ",
                          .noDependence = "NO HAY DEPENDENCIA ENTRE LAS VARIABLES",
                          .conjunction = " Y ",
                          .represents =
                              "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN ",
                          .representsAfterSignificant =
                              "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN ",
                          .doesNotRepresent =
                              "EL MODELO LINEAL NO REPRESENTA DE MANERA CORRECTA LA RELACIÓN "},
             .residuals = {.title = {26, "Análisis de Residuales"},
                           .heading = kResidualHeading,
                           .column = kFixedColumn,
                           .headingLine = 28,
                           .last = 54,
                           .studentized = false},
             .end = {.study = Place{55, kFixedColumn},
                     .signatureLine = std::nullopt,
                     .productLine = 60,
                     .ruleLine = 62}},
        .signOff = std::nullopt,
        .acceptance = std::nullopt,
        .validation = std::nullopt,
    };
}

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
    printHeader(out, deskjet(0).header);
}

std::vector<Sheet> ImprimeGeneral(const Study& study, int m) {
    return generalPage(deskjet(m), study);
}

std::vector<Sheet> ImprimeInferencia(const Study& study, char decimal, int m,
                                     const ResultadosRegresion& R, const ResultadosAnova& A) {
    return inferencePage(deskjet(m), study, decimal, R, A);
}

std::vector<Sheet> ImprimeAnova(const Study& study, char decimal, int m, const ResultadosAnova& A,
                                const Residuals& residuals) {
    return variancePage(deskjet(m), study, decimal, A, residuals);
}

} // namespace linealidad::Uprint
