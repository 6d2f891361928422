#include "results/Inferencia.h"

#include "results/FormatoResultados.h"
#include "results/OracionesVeredicto.h"
#include "stats/Veredictos.h"

namespace linealidad {

using resultados::G10;
using resultados::G6;

std::vector<std::string> lineasInferencia(char decimal, const ResultadosRegresion& R) {
    const std::string limSup = "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = ";
    const std::string limInf = "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = ";
    return {
        std::string(16, ' ') + "INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN",
        " ",
        "PENDIENTE =  " + G6(R.Pendiente, decimal),
        limSup + G6(R.LimSupPendiente, decimal),
        limInf + G6(R.LimInfPendiente, decimal),
        "t cal = " + G6(R.TcalPendiente, decimal),
        "ORDENADA AL ORIGEN = " + G6(R.Ordenada, decimal),
        limSup + G6(R.LimSupOrdenada, decimal),
        limInf + G6(R.LimInfOrdenada, decimal),
        "t cal = " + G6(R.TcalOrdenada, decimal),
        "DESVIACIÓN ESTÁNDAR DE REGRESIÓN = " + G6(R.DesvRegresion, decimal),
        "COEFICIENTE DE VARIACIÓN = " + G6(R.CoefVariacion, decimal),
        "COEFICIENTE DE DETERMINACIÓN (r^2) = " + G10(R.R2, decimal),
    };
}

std::optional<std::string> oracionOrigenInferencia(const Study& study, const ResultadosRegresion& R,
                                                   double PRegresion) {
    return oracionOrigen(study, veredictoOrigen(R, PRegresion));
}

std::vector<std::string> memoInferencia(const Study& study, char decimal,
                                        const ResultadosRegresion& R, const ResultadosAnova& A) {
    std::vector<std::string> memo = memoInferenciaSinAnova(decimal, R);
    if (auto oracion = oracionOrigenInferencia(study, R, A.PRegresion))
        memo.push_back(std::move(*oracion));
    return memo;
}

std::vector<std::string> memoInferenciaSinAnova(char decimal, const ResultadosRegresion& R) {
    std::vector<std::string> memo = lineasInferencia(decimal, R);
    memo.emplace_back();
    return memo;
}

} // namespace linealidad
