#include "core/printing/Uprint1.h"

#include "core/printing/ReportPages.h"

namespace linealidad::Uprint1 {
namespace {

// The column of every line that is not centred, right-aligned or in a table.
constexpr int kLeft = 45;

const std::string kResidualHeading = "Observación" + std::string(8, ' ') + "Pronóstico para Y" +
                                     std::string(19, ' ') + "Residuales" + std::string(19, ' ') +
                                     "Residuos Estudentizados";

const PageLayout& laser() {
    static const PageLayout layout{
        .unitDpi = kLaserUnitDpi,
        .header = {.points = 12,
                   .titles = {{7, "Control de Calidad"},
                              {8, "Linealidad y Precisión del Sistema de Medición"}},
                   .ruleLine = 10,
                   .rulePixels = 20},
        .bodyPoints = 10,
        .continuedMethod = {12, kLeft},
        .signatures = {{kLeft, "Realizó _________________________"},
                       {250, "Revisó _________________________"}},
        // The capitals of the general page's labels differ from those of the other pages'.
        .general = {.title = {12, "Información General"},
                    .column = kLeft,
                    .fields = {{14, "Nombre del Método: ", &Study::emetodo},
                               {15, "Nombre del Analista: ", &Study::eanalista},
                               {16, "Fecha: ", &Study::efecha},
                               {17, "Unidades de la Cantidad Adicionada: ", &Study::eadicionada},
                               {18, "Nombre de la Propiedad Medida: ", &Study::emedida},
                               {20, "Número de niveles:"},
                               {21, "", &Study::eniveles}},
                    .levelsLine = 24,
                    .levelsGrid = {kLeft, 38},
                    .dataHeading = 29,
                    .dataLast = 55,
                    .dataGrid = {kLeft, 38},
                    .end = {.study = std::nullopt,
                            .signatureLine = 56,
                            .productLine = 58,
                            .ruleLine = 59}},
        .inference = {.title = {12, "Inferencia de Pendiente y Ordenada al Origen"},
                      .firstLine = 14,
                      .column = kLeft,
                      .labels = {.slope = "Pendiente =  ",
                                 .upperLimit = "Límite Superior del Intervalo de Confianza = ",
                                 .lowerLimit = "Límite Inferior del Intervalo de Confianza = ",
                                 .t = "t cal = ",
                                 .intercept = "Ordenada al Origen = ",
                                 .deviation = "Desviación Estándar de Regresión = ",
                                 .variation = "Coeficiente de Variación = ",
                                 .determination = "Coeficiente de Determinación (r^2) = "},
                      .origin = {.line = 26,
                                 .lastLine = 52,
                                 .opening = "La ordenada de la relación lineal ",
                                 .passes = " pasa por el origen.",
                                 .fails = " no pasa por el origen.",
                                 .none = " - "},
                      .end = {.study = Place{54, kLeft},
                              .signatureLine = 59,
                              .productLine = 61,
                              .ruleLine = 62}},
        // The degrees of freedom stand 5 U right of their heading.
        .variance =
            {.title = {12, "Análisis de la Varianza"},
             .headings = {{14, kLeft, "Fuente"},
                          {14, 110, "Grados"},
                          {14, 155, "Suma"},
                          {14, 215, "Media"},
                          {15, kLeft, "de"},
                          {15, 110, "de"},
                          {15, 155, "de"},
                          {15, 215, "de"},
                          {15, 270, "Fcal"},
                          {15, 310, "Pr"},
                          {16, kLeft, "Variación"},
                          {16, 110, "Libertad"},
                          {16, 155, "Cuadrados"},
                          {16, 215, "Cuadrados"}},
             .firstRow = 18,
             .columns = {.source = kLeft,
                         .degrees = 115,
                         .squares = 155,
                         .mean = 215,
                         .ratio = 270,
                         .probability = 310},
             .sources = {"Regresión", "Error de Regresión", "Falta de Ajuste", "Error Puro"},
             // The sentence keeps the capital "El" of the layout after a significant
             // (not highly significant) relation that the model represents.
             .verdicts = {.line = 23,
                          .column = kLeft,
                          .highlySignificant = "Existe relación altamente significativa entre ",
                          .significant = "Existe relación significativa entre ",
                          .noDependence = "No hay dependencia entre las variables",
                          .conjunction = " y ",
                          .represents =
                              "el modelo lineal representa de manera correcta la relación ",
                          .representsAfterSignificant =
                              "El modelo lineal representa de manera correcta la relación ",
                          .doesNotRepresent =
                              "el modelo lineal no representa de manera correcta la relación "},
             .residuals = {.title = {28, "Análisis de Residuales"},
                           .heading = kResidualHeading,
                           .column = 55,
                           .headingLine = 30,
                           .last = 52,
                           .studentized = true},
             .end = {.study = Place{53, kLeft},
                     .signatureLine = 58,
                     .productLine = 60,
                     .ruleLine = 62}},
        .signOff = SignOff{.study = {44, kLeft},
                           .line = 49,
                           .step = 115,
                           .roles = {"Elaboró", "Revisó", "Aprobó"},
                           .labels = {"Nombre: ", "Firma: ", "Fecha: "},
                           .blank = std::string(20, '_'),
                           .productLine = 61,
                           .ruleLine = 62},
        // The columns are wide enough for the longest criterion name, an interval or "no
        // aplicable (sin error puro)", a limit such as "≥ 0.000123457" and "NO CUMPLE" within
        // the printable width of A4, the narrower of A4 and letter.
        .acceptance = AcceptancePageLayout{.title = {12, "Dictamen de aceptación"},
                                           .headingLine = 14,
                                           .columns = {kLeft, 185, 290, 342},
                                           .headings = {"Criterio", "Valor", "Límite", "Resultado"},
                                           .firstRow = 16,
                                           .verdictOpening = "DICTAMEN: ",
                                           .verdictBelow = 3,
                                           .note = "Los renglones sin resultado solo informan o "
                                                   "no se aplican a este estudio.",
                                           .noteBelow = 5},
        // The columns are wide enough at 9 points for numbers in exponent form and "no
        // aplicable" on the narrower of A4 and letter: per level, the exact probabilities, the
        // weightings and, for any other table, each observation's recovery.
        .validation =
            ValidationPageLayout{.title = {12, "Estadística de validación"},
                                 .titlePoints = 10,
                                 .bodyPoints = 9,
                                 .column = kLeft,
                                 .listValueColumn = 190,
                                 .firstLine = 14,
                                 .continuedLine = 14,
                                 .lastLine = 58,
                                 .headingRulePixels = -10,
                                 .continued = " (continuación)",
                                 .tableColumns = {{kLeft, 68, 85, 125, 165, 205, 245, 295},
                                                  {kLeft, 115, 165, 190, 215, 265},
                                                  {kLeft, 100, 150, 200, 270},
                                                  {kLeft, 100, 150, 200, 250, 300, 350}}},
    };
    return layout;
}

} // namespace

void ImprimeEncabezado(SheetWriter& out) {
    printHeader(out, laser().header);
}

std::vector<Sheet> ImprimeGeneral(const Study& study) {
    return generalPage(laser(), study);
}

std::vector<Sheet> ImprimeInferencia(const Study& study, char decimal, const ResultadosRegresion& R,
                                     const ResultadosAnova& A) {
    return inferencePage(laser(), study, decimal, R, A);
}

std::vector<Sheet> ImprimeAnova(const Study& study, char decimal, const ResultadosAnova& A,
                                const Residuals& residuals) {
    return variancePage(laser(), study, decimal, A, residuals);
}

std::vector<Sheet> ImprimeDictamen(const Study& study, const AcceptanceVerdict& verdict) {
    return acceptancePage(laser(), study, verdict);
}

std::vector<Sheet> ImprimeValidacion(const Study& study,
                                     const std::vector<ValidationSection>& sections) {
    return validationPage(laser(), study, sections);
}

} // namespace linealidad::Uprint1
