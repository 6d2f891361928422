#include "core/results/ReportText.h"

#include "core/results/InferenceText.h"
#include "core/results/ResidualColumns.h"
#include "core/results/ResultFormats.h"
#include "core/results/VerdictSentences.h"
#include "core/stats/Verdicts.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberParse.h"

namespace linealidad {

using results::G6;

namespace {

using Lines = std::vector<std::string>;

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

void append(Lines& lines, const Lines& others) {
    lines.insert(lines.end(), others.begin(), others.end());
}

void generalInformation(Lines& l, const Study& s) {
    append(l, {"LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN", " ",
               "Nombre del Método: " + s.emetodo, "Nombre del Analista: " + s.eanalista,
               "Fecha: " + s.efecha, "Unidades de la Cantidad Adicionada: " + s.eadicionada,
               "Nombre de la Propiedad Medida: " + s.emedida, " "});
}

// One line per level of the number-of-levels text: the level and its replicate cell.
void levelsAndReplicates(Lines& l, const Study& s) {
    append(l, {"Número de Niveles:", s.eniveles, " ", "Nivel       Replicación "});
    const int levels = parseInteger(s.eniveles);
    for (int i = 1; i <= levels; ++i)
        l.push_back(formatInteger(i) + blanks(21) + s.stgniveles.cell(i, 1));
    l.push_back(" ");
}

// One line per row of the data grid: its level label (empty in a new study), X and Y.
void data(Lines& l, const Study& s) {
    l.push_back("Nivel        X              Y ");
    const StringGrid& g = s.stgdatos;
    for (int j = 1; j < g.rowCount(); ++j)
        l.push_back(g.cell(0, j) + blanks(11) + g.cell(1, j) + blanks(12) + g.cell(2, j));
    l.push_back(" ");
}

// The report writes the origin verdict only when the relation is significant.
std::string originLine(const Study& s, const ResultadosRegresion& R, double PRegresion) {
    if (relationClass(PRegresion) == Relation::NoDependence)
        return " ";
    return originSentence(s, originVerdict(R, PRegresion)).value_or(" ");
}

void source(Lines& l, const std::string& name, const std::string& degreesOfFreedom,
            const std::string& sumOfSquares, const std::string& meanSquare) {
    append(l, {"FUENTE DE VARIACIÓN : " + name, "GRADOS DE LIBERTAD = " + degreesOfFreedom,
               "SUMA DE CUADRADOS = " + sumOfSquares, "MEDIA DE CUADRADOS = " + meanSquare});
}

void regressionAndError(Lines& l, char d, const ResultadosAnova& A) {
    source(l, "REGRESIÓN", "1", G6(A.SCRegresion, d), G6(A.MCRegresion, d));
    append(l, {"fcal = " + G6(A.FRegresion, d), "Pfcal = " + G6(A.PRegresion, d), " "});
    source(l, "ERROR DE REGRESIÓN", G6(A.GLError, d), G6(A.SCError, d), G6(A.MCError, d));
    l.push_back(" ");
}

void lackOfFitAndPureError(Lines& l, char d, const ResultadosAnova& A) {
    source(l, "FALTA DE AJUSTE", G6(A.GLFaltaAjuste, d), G6(A.SCFaltaAjuste, d),
           G6(A.MCFaltaAjuste, d));
    append(l, {"fcal = " + G6(A.FFaltaAjuste, d), "Pfcal = " + G6(A.PFaltaAjuste, d), " "});
    source(l, "ERROR PURO", G6(A.GLErrorPuro, d), G6(A.SCErrorPuro, d), G6(A.MCErrorPuro, d));
    l.push_back(" ");
}

void residualAnalysis(Lines& l, const Study& s, char d, const Residuals& r) {
    append(l, {" ", " ", "ANÁLISIS DE RESIDUALES", " ",
               "Observación        Pronóstico para Y               Residuales               "
               "Residuos Estudentizados"});
    const std::size_t lines = residualLineCount(s, r);
    for (std::size_t i = 0; i < lines; ++i)
        l.push_back(blanks(10) + formatInteger(r.Observacion[i]) + blanks(23) +
                    G6(r.Pronostico[i], d) + blanks(24) + G6(r.Residual[i], d) + blanks(24) +
                    G6(r.Estudentizado[i], d));
}

// The verdict of a design without replicates. The report has always spelled the highly
// significant case without the accent on "RELACION"; that text is kept.
std::string verdictWithoutPureError(const Study& s, const ResultadosAnova& A) {
    const Relation relation = relationClass(A.PRegresion);
    if (relation == Relation::HighlySignificant)
        return "EXISTE RELACION ALTAMENTE SIGNIFICATIVA DE " + s.eadicionada + " Y " + s.emedida;
    return relationSentence(s, relation);
}

} // namespace

Lines reportStudyAndInference(const Study& study, char decimal, const ResultadosRegresion& R) {
    Lines l;
    generalInformation(l, study);
    levelsAndReplicates(l, study);
    data(l, study);
    append(l, inferenceLines(decimal, R));
    l.push_back(" ");
    return l;
}

Lines reportVarianceAndResiduals(const Study& study, char decimal, const ResultadosRegresion& R,
                                 const ResultadosAnova& A, const Residuals& residuals) {
    Lines l{originLine(study, R, A.PRegresion), " ", "ANÁLISIS DE LA VARIANZA", " "};
    regressionAndError(l, decimal, A);
    if (A.GLErrorPuro == 0) {
        l.push_back(verdictWithoutPureError(study, A));
        return l;
    }
    lackOfFitAndPureError(l, decimal, A);
    append(l, sentencesWithPureError(study, A));
    residualAnalysis(l, study, decimal, residuals);
    return l;
}

Lines report(const Study& study, char decimal, const ResultadosRegresion& R,
             const ResultadosAnova& A, const Residuals& residuals) {
    Lines l = reportStudyAndInference(study, decimal, R);
    append(l, reportVarianceAndResiduals(study, decimal, R, A, residuals));
    return l;
}

} // namespace linealidad
