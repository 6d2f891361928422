#include "core/results/InferenceText.h"

#include "core/results/ResultFormats.h"
#include "core/results/VerdictSentences.h"
#include "core/stats/Verdicts.h"

namespace linealidad {

using results::G10;
using results::G6;

std::vector<std::string> inferenceLines(char decimal, const ResultadosRegresion& R) {
    const std::string upperLimit = "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = ";
    const std::string lowerLimit = "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = ";
    return {
        std::string(16, ' ') + "INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN",
        " ",
        "PENDIENTE =  " + G6(R.Pendiente, decimal),
        upperLimit + G6(R.LimSupPendiente, decimal),
        lowerLimit + G6(R.LimInfPendiente, decimal),
        "t cal = " + G6(R.TcalPendiente, decimal),
        "ORDENADA AL ORIGEN = " + G6(R.Ordenada, decimal),
        upperLimit + G6(R.LimSupOrdenada, decimal),
        lowerLimit + G6(R.LimInfOrdenada, decimal),
        "t cal = " + G6(R.TcalOrdenada, decimal),
        "DESVIACIÓN ESTÁNDAR DE REGRESIÓN = " + G6(R.DesvRegresion, decimal),
        "COEFICIENTE DE VARIACIÓN = " + G6(R.CoefVariacion, decimal),
        "COEFICIENTE DE DETERMINACIÓN (r^2) = " + G10(R.R2, decimal),
    };
}

std::optional<std::string> inferenceOriginSentence(const Study& study, const ResultadosRegresion& R,
                                                   double PRegresion) {
    return originSentence(study, originVerdict(R, PRegresion));
}

std::vector<std::string> inferenceMemo(const Study& study, char decimal,
                                       const ResultadosRegresion& R, const ResultadosAnova& A) {
    std::vector<std::string> memo = inferenceMemoWithoutAnova(decimal, R);
    if (auto sentence = inferenceOriginSentence(study, R, A.PRegresion))
        memo.push_back(std::move(*sentence));
    return memo;
}

std::vector<std::string> inferenceMemoWithoutAnova(char decimal, const ResultadosRegresion& R) {
    std::vector<std::string> memo = inferenceLines(decimal, R);
    memo.emplace_back();
    return memo;
}

} // namespace linealidad
