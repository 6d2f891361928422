#include "support/WorkedExampleTexts.h"

namespace linealidad::test {

QStringList workedExampleInferenceLines() {
    return {
        "                INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN",
        " ",
        "PENDIENTE =  0.975",
        "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = 1.1861",
        "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = 0.763898",
        "t cal = 12.8231",
        "ORDENADA AL ORIGEN = 0.1",
        "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = 0.556033",
        "LÍMITE INFERIOR DEL INTERVALO DE CONFIANZA = -0.356033",
        "t cal = 0.608816",
        "DESVIACIÓN ESTÁNDAR DE REGRESIÓN = 0.152069",
        "COEFICIENTE DE VARIACIÓN = 7.418",
        "COEFICIENTE DE DETERMINACIÓN (r^2) = 0.9762516046",
    };
}

} // namespace linealidad::test
