#include "results/Informe.h"

#include "results/ColumnasResiduales.h"
#include "results/FormatoResultados.h"
#include "results/Inferencia.h"
#include "results/OracionesVeredicto.h"
#include "stats/Veredictos.h"
#include "text/NumberFormat.h"
#include "text/NumberParse.h"

namespace linealidad {

using resultados::G6;

namespace {

using Lineas = std::vector<std::string>;

std::string blancos(std::size_t n) {
    return std::string(n, ' ');
}

void agrega(Lineas& lineas, const Lineas& otras) {
    lineas.insert(lineas.end(), otras.begin(), otras.end());
}

void informacionGeneral(Lineas& l, const Study& s) {
    agrega(l, {"LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN", " ",
               "Nombre del Método: " + s.emetodo, "Nombre del Analista: " + s.eanalista,
               "Fecha: " + s.efecha, "Unidades de la Cantidad Adicionada: " + s.eadicionada,
               "Nombre de la Propiedad Medida: " + s.emedida, " "});
}

// One line per level of the number-of-levels text: the level and its replicate cell.
void nivelesYReplicas(Lineas& l, const Study& s) {
    agrega(l, {"Número de Niveles:", s.eniveles, " ", "Nivel       Replicación "});
    const int niveles = parseInteger(s.eniveles);
    for (int i = 1; i <= niveles; ++i)
        l.push_back(formatInteger(i) + blancos(21) + s.stgniveles.cell(i, 1));
    l.push_back(" ");
}

// One line per row of the data grid: its level label (empty in a new study), X and Y.
void datos(Lineas& l, const Study& s) {
    l.push_back("Nivel        X              Y ");
    const StringGrid& g = s.stgdatos;
    for (int j = 1; j < g.rowCount(); ++j)
        l.push_back(g.cell(0, j) + blancos(11) + g.cell(1, j) + blancos(12) + g.cell(2, j));
    l.push_back(" ");
}

// The report writes the origin verdict only when the relation is significant.
std::string lineaOrigen(const Study& s, const ResultadosRegresion& R, double PRegresion) {
    if (claseRelacion(PRegresion) == Relacion::SinDependencia)
        return " ";
    return oracionOrigen(s, veredictoOrigen(R, PRegresion)).value_or(" ");
}

void fuente(Lineas& l, const std::string& nombre, const std::string& gradosLibertad,
            const std::string& sumaCuadrados, const std::string& mediaCuadrados) {
    agrega(l, {"FUENTE DE VARIACIÓN : " + nombre, "GRADOS DE LIBERTAD = " + gradosLibertad,
               "SUMA DE CUADRADOS = " + sumaCuadrados, "MEDIA DE CUADRADOS = " + mediaCuadrados});
}

void regresionYError(Lineas& l, char d, const ResultadosAnova& A) {
    fuente(l, "REGRESIÓN", "1", G6(A.SCRegresion, d), G6(A.MCRegresion, d));
    agrega(l, {"fcal = " + G6(A.FRegresion, d), "Pfcal = " + G6(A.PRegresion, d), " "});
    fuente(l, "ERROR DE REGRESIÓN", G6(A.GLError, d), G6(A.SCError, d), G6(A.MCError, d));
    l.push_back(" ");
}

void faltaDeAjusteYErrorPuro(Lineas& l, char d, const ResultadosAnova& A) {
    fuente(l, "FALTA DE AJUSTE", G6(A.GLFaltaAjuste, d), G6(A.SCFaltaAjuste, d),
           G6(A.MCFaltaAjuste, d));
    agrega(l, {"fcal = " + G6(A.FFaltaAjuste, d), "Pfcal = " + G6(A.PFaltaAjuste, d), " "});
    fuente(l, "ERROR PURO", G6(A.GLErrorPuro, d), G6(A.SCErrorPuro, d), G6(A.MCErrorPuro, d));
    l.push_back(" ");
}

void analisisDeResiduales(Lineas& l, const Study& s, char d, const Residuales& r) {
    agrega(l, {" ", " ", "ANÁLISIS DE RESIDUALES", " ",
               "Observación        Pronóstico para Y               Residuales               "
               "Residuos Estudentizados"});
    const std::size_t lineas = lineasDeResiduales(s, r);
    for (std::size_t i = 0; i < lineas; ++i)
        l.push_back(blancos(10) + formatInteger(r.Observacion[i]) + blancos(23) +
                    G6(r.Pronostico[i], d) + blancos(24) + G6(r.Residual[i], d) + blancos(24) +
                    G6(r.Estudentizado[i], d));
}

// The verdict of a design without replicates. The report has always spelled the highly
// significant case without the accent on "RELACION"; that text is kept.
std::string veredictoSinErrorPuro(const Study& s, const ResultadosAnova& A) {
    const Relacion relacion = claseRelacion(A.PRegresion);
    if (relacion == Relacion::AltamenteSignificativa)
        return "EXISTE RELACION ALTAMENTE SIGNIFICATIVA DE " + s.eadicionada + " Y " + s.emedida;
    return oracionRelacion(s, relacion);
}

} // namespace

Lineas informeEstudioEInferencia(const Study& study, char decimal, const ResultadosRegresion& R) {
    Lineas l;
    informacionGeneral(l, study);
    nivelesYReplicas(l, study);
    datos(l, study);
    agrega(l, lineasInferencia(decimal, R));
    l.push_back(" ");
    return l;
}

Lineas informeVarianzaYResiduales(const Study& study, char decimal, const ResultadosRegresion& R,
                                  const ResultadosAnova& A, const Residuales& residuales) {
    Lineas l{lineaOrigen(study, R, A.PRegresion), " ", "ANÁLISIS DE LA VARIANZA", " "};
    regresionYError(l, decimal, A);
    if (A.GLErrorPuro == 0) {
        l.push_back(veredictoSinErrorPuro(study, A));
        return l;
    }
    faltaDeAjusteYErrorPuro(l, decimal, A);
    agrega(l, oracionesConErrorPuro(study, A));
    analisisDeResiduales(l, study, decimal, residuales);
    return l;
}

Lineas informe(const Study& study, char decimal, const ResultadosRegresion& R,
               const ResultadosAnova& A, const Residuales& residuales) {
    Lineas l = informeEstudioEInferencia(study, decimal, R);
    agrega(l, informeVarianzaYResiduales(study, decimal, R, A, residuales));
    return l;
}

} // namespace linealidad
