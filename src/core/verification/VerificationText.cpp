#include "core/verification/VerificationText.h"

#include "core/text/NumberFormat.h"

namespace linealidad {

namespace {
// As many digits as a check can agree to.
constexpr int kValueDigits = 15;
} // namespace

std::vector<std::string> checkHeadings() {
    return {"Verificación", "Esperado", "Obtenido", "Cifras", "Exigidas", "Resultado"};
}

std::vector<std::string> checkCells(const CheckOutcome& outcome, char decimal) {
    return {outcome.name,
            formatGeneral(outcome.expected, kValueDigits, decimal),
            outcome.obtained ? formatGeneral(*outcome.obtained, kValueDigits, decimal)
                             : outcome.failure,
            formatFixed(outcome.digits, 0, 1, decimal),
            formatInteger(outcome.required),
            outcome.passes ? kCheckPasses : kCheckFails};
}

std::vector<std::string> explanationLines() {
    return {"Cifras: las cifras significativas en que coinciden el valor esperado y el obtenido "
            "(15 cuando son iguales).",
            "Exigidas: las cifras con que el programa muestra ese resultado; la verificación es "
            "correcta cuando el valor obtenido las alcanza."};
}

std::string summaryLine(const std::vector<CheckOutcome>& outcomes) {
    return std::to_string(passedCount(outcomes)) + " de " + std::to_string(outcomes.size()) +
           " verificaciones correctas";
}

} // namespace linealidad
