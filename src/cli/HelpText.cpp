#include "cli/HelpText.h"

#include "core/app/OptionReader.h"

namespace linealidad::cli {

namespace {
constexpr const char* kUsage = "Uso: linealidad-cli VISTA ARCHIVO [--decimal C]\n"
                               "     linealidad-cli VISTA --tabla ARCHIVO [--decimal C]\n"
                               "     linealidad-cli verificar [--decimal C]\n";
// Only in the help: a mistaken command line shows the usage above unchanged.
constexpr const char* kViewOptionsUsage =
    "     linealidad-cli dictamen ARCHIVO [--criterios ARCHIVO.ini] [--recobro] [--decimal C]\n"
    "     linealidad-cli inversa ARCHIVO --y VALOR [--y VALOR ...] [--replicas K]\n"
    "     linealidad-cli validacion ARCHIVO [--recobro] [--decimal C]\n";
} // namespace

std::string helpText() {
    return std::string(kUsage) + kViewOptionsUsage +
           "\n"
           "Lee un estudio de linealidad y precisión del sistema de medición (archivo .w02 o\n"
           ".txt), o una tabla de observaciones con --tabla, lo valida, hace los cálculos y\n"
           "escribe en la salida estándar el texto de la ventana de resultados elegida: UTF-8,\n"
           "un renglón por línea.\n"
           "\n"
           "VISTA:\n"
           "  informe      el informe completo: estudio, inferencia, análisis de la varianza\n"
           "               y análisis de residuales\n"
           "  inferencia   la inferencia de pendiente y ordenada al origen\n"
           "  anova        el análisis de la varianza: las 7 filas de la tabla, con sus 6\n"
           "               celdas separadas por un tabulador, y después los veredictos\n"
           "  residuales   el análisis de residuales: observación, pronóstico para Y,\n"
           "               residual y residuo estudentizado, separados por un tabulador\n"
           "  dictamen     el dictamen de aceptación: un renglón por criterio con nombre,\n"
           "               valor, límite y CUMPLE o NO CUMPLE, separados por un tabulador\n"
           "               (la última celda queda vacía cuando el renglón solo informa o el\n"
           "               criterio no se aplica), y al final DICTAMEN: CUMPLE o\n"
           "               DICTAMEN: NO CUMPLE\n"
           "  inversa      la predicción inversa: para cada respuesta --y, una línea con Y,\n"
           "               la X que la produce y los límites inferior y superior de su\n"
           "               intervalo de confianza al 95 %, separados por un tabulador; una\n"
           "               respuesta fuera del intervalo calibrado (las respuestas ajustadas\n"
           "               entre la menor y la mayor X del estudio) lleva una quinta celda,\n"
           "               \"fuera del intervalo calibrado\"\n"
           "  validacion   la estadística de validación, una línea por valor con sus celdas\n"
           "               separadas por un tabulador: la precisión de cada nivel (NIVEL, n,\n"
           "               X, media Y, DE Y, CV %, X recalculada, error relativo %), el\n"
           "               factor de respuesta, la homogeneidad de varianzas (Bartlett,\n"
           "               Levene y Cochran), la linealidad (Mandel), la normalidad de los\n"
           "               residuos (Shapiro-Wilk), las probabilidades exactas de la\n"
           "               regresión y de la falta de ajuste, la recta de cada ponderación\n"
           "               (1, 1/x, 1/x^2, 1/y, 1/y^2) con la sugerida y, con --recobro, el\n"
           "               recobro; un valor que no se puede calcular dice \"no aplicable\"\n"
           "               y por qué\n"
           "  verificar    la verificación de los cálculos, sin ARCHIVO: los cálculos con los\n"
           "               datos de referencia que trae el programa (los valores\n"
           "               certificados del conjunto \"Norris\" del NIST, el ejemplo\n"
           "               trabajado, estudios lejos del cero y estudios con la estadística\n"
           "               de validación calculada con R), una línea por valor: nombre,\n"
           "               valor esperado, valor obtenido, cifras en que coinciden, cifras\n"
           "               exigidas (las que el programa muestra) y \"correcta\" o\n"
           "               \"INCORRECTA\", separados por un tabulador; al final, \"N de M\n"
           "               verificaciones correctas\"; termina con 0 si todas son correctas\n"
           "               y con 1 si no\n"
           "\n"
           "Opciones:\n"
           "  --tabla ARCHIVO\n"
           "               lee el estudio de una tabla (CSV o texto separado por\n"
           "               tabuladores) en lugar de un archivo de estudio: dos columnas,\n"
           "               X e Y, o tres, Nivel, X e Y, una fila por observación, con o\n"
           "               sin una fila de encabezado; las filas seguidas con el mismo\n"
           "               nivel (o, con dos columnas, la misma X) forman un nivel; los\n"
           "               encabezados de X e Y son las unidades y la propiedad medida, y\n"
           "               el resto de la información general queda vacío\n"
           "  --criterios ARCHIVO\n"
           "               lee los criterios del dictamen de un archivo de criterios (su\n"
           "               formato se describe en el README); sin esta opción se usan los\n"
           "               criterios por omisión\n"
           "  --y VALOR    una respuesta de la que se lee X (vista inversa; se repite para\n"
           "               varias respuestas), escrita con el separador decimal\n"
           "  --replicas K\n"
           "               réplicas de la muestra desconocida, cuya media es cada\n"
           "               respuesta (vista inversa; un entero de 1 en adelante; por\n"
           "               omisión, 1)\n"
           "  --recobro    Y es la cantidad recuperada de la X adicionada (linealidad del\n"
           "               método): la vista validacion añade el recobro, y el dictamen\n"
           "               juzga el criterio recobro_intervalo\n"
           "  --decimal C  separador decimal con el que se leen los datos y se escriben los\n"
           "               números (por omisión, el de la configuración regional)\n"
           "  -h, --help   muestra esta ayuda y termina\n"
           "\n"
           "Estado de salida:\n"
           "  0  los resultados están completos (también cuando el dictamen es NO CUMPLE;\n"
           "     con verificar, todas las verificaciones son correctas)\n"
           "  1  el archivo no se puede leer, el estudio no es válido, la pendiente es cero o\n"
           "     hay un error de cálculo: el mensaje va a la salida de errores, y la salida\n"
           "     estándar lleva lo que la ventana ya habría mostrado; también cuando el\n"
           "     archivo de criterios no se puede leer o no es correcto; con verificar,\n"
           "     alguna verificación es incorrecta\n"
           "  2  la línea de órdenes no es correcta\n";
}

std::string usageErrorText(const std::string& reason) {
    return linealidad::usageErrorText("linealidad-cli", kUsage, reason);
}

} // namespace linealidad::cli
