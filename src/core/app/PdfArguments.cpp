#include "core/app/PdfArguments.h"

#include "core/app/OptionReader.h"

#include <algorithm>
#include <map>

namespace linealidad {
namespace {

constexpr const char* kUsage =
    "Uso: linealidad --pdf SALIDA.pdf\n"
    "                [--pagina general|inferencia|anova|dictamen|validacion|todas]\n"
    "                [--formato laser|deskjet] [--margen 1|1.5|2] [--papel a4|carta]\n"
    "                [--decimal C] ESTUDIO\n";

constexpr Option kOptions[] = {{.name = "--pdf"},    {.name = "--pagina"}, {.name = "--formato"},
                               {.name = "--margen"}, {.name = "--papel"},  {.name = "--decimal"}};

PdfArguments withError(std::string error) {
    PdfArguments a;
    a.error = std::move(error);
    return a;
}

const std::map<std::string, std::vector<PageChoice>> kPages{
    {"general", {PageChoice::General}},
    {"inferencia", {PageChoice::Inference}},
    {"anova", {PageChoice::Variance}},
    {"dictamen", {PageChoice::Acceptance}},
    {"validacion", {PageChoice::Validation}},
    {"todas", {PageChoice::General, PageChoice::Inference, PageChoice::Variance}}};
const std::map<std::string, PrintLayout> kLayouts{{"laser", PrintLayout::Laser},
                                                  {"deskjet", PrintLayout::Deskjet}};
// The items of "Selecciona margen:".
const std::map<std::string, int> kMargins{{"1", 0}, {"1.5", 1}, {"2", 2}};
const std::map<std::string, Paper> kPapers{{"a4", Paper::A4}, {"carta", Paper::Letter}};

// Sets `choice` from the option's last value, one of `names`; the reason when it is none of
// them: `unknown`, the value and `hint`.
template <typename T>
std::string choose(const CommandLine& line, std::string_view option,
                   const std::map<std::string, T>& names, T& choice, std::string_view unknown,
                   std::string_view hint = {}) {
    const auto value = line.last(option);
    if (!value)
        return {};
    const auto named = names.find(*value);
    if (named == names.end())
        return std::string(unknown) + *value + std::string(hint);
    choice = named->second;
    return {};
}

// Fills the command from the options' last values; the reason when one is not known. The values
// are judged in the options' alphabetical order, the order their messages have always come in.
std::string applyOptions(const CommandLine& line, PdfCommand& command) {
    const DecimalOption decimal = decimalOption(line, command.decimal);
    command.decimal = decimal.separator;
    command.output = line.last("--pdf").value_or("");
    const std::string reasons[] = {
        decimal.error, choose(line, "--formato", kLayouts, command.layout, "formato desconocido: "),
        choose(line, "--margen", kMargins, command.SELECMARIndex,
               "margen desconocido: ", " (debe ser 1, 1.5 o 2)"),
        choose(line, "--pagina", kPages, command.pages, "página desconocida: "),
        choose(line, "--papel", kPapers, command.paper, "papel desconocido: ")};
    for (const std::string& reason : reasons)
        if (!reason.empty())
            return reason;
    return {};
}

} // namespace

bool isPdfCommandLine(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return namesOption(a, kOptions); });
}

PdfArguments readPdfArguments(const std::vector<std::string>& arguments, char defaultDecimal) {
    const CommandLine line = readCommandLine(arguments, kOptions);
    if (line.help)
        return PdfArguments{.help = true, .command = std::nullopt, .error = {}};
    if (!line.error.empty())
        return withError(line.error);
    PdfCommand command;
    command.pages = kPages.at("todas");
    command.decimal = defaultDecimal;
    if (std::string error = applyOptions(line, command); !error.empty())
        return withError(std::move(error));
    if (command.output.empty())
        return withError("falta --pdf SALIDA.pdf");
    if (std::string error = positionalsError(line.positionals, 1); !error.empty())
        return withError(std::move(error));
    command.study = line.positionals[0];
    return PdfArguments{.help = false, .command = std::move(command), .error = {}};
}

std::string pdfHelpText() {
    return std::string(kUsage) +
           "\n"
           "Escribe en SALIDA.pdf las hojas impresas de un estudio de linealidad y precisión del\n"
           "sistema de medición (archivo .w02 o .txt), como las imprime la ventana de opciones\n"
           "de impresión, sin abrir ninguna ventana: no necesita pantalla ni impresora. Valida\n"
           "el estudio y hace los cálculos que necesita cada hoja. Sin estas opciones,\n"
           "linealidad abre la ventana del programa.\n"
           "\n"
           "Opciones:\n"
           "  --pdf SALIDA.pdf  el documento que se escribe; si ya existe, se reemplaza\n"
           "  --pagina P        las hojas: general (información general), inferencia (de\n"
           "                    pendiente y ordenada al origen), anova (análisis de la\n"
           "                    varianza y residuales), dictamen (de aceptación, con los\n"
           "                    criterios guardados por el programa), validacion (la\n"
           "                    estadística de validación; con el recobro cuando está\n"
           "                    marcado «Y es la cantidad recuperada») o todas: las tres\n"
           "                    primeras, en ese orden (por omisión); dictamen y validacion\n"
           "                    siempre con el diseño laser\n"
           "  --formato F       el diseño de las hojas: laser (por omisión) o deskjet\n"
           "  --margen M        el margen izquierdo del diseño deskjet: 1, 1.5 (por omisión)\n"
           "                    o 2, como en la ventana «Opciones de impresión»\n"
           "  --papel T         el tamaño del papel: a4 (por omisión) o carta\n"
           "  --decimal C       separador decimal con el que se leen los datos y se escriben\n"
           "                    los números (por omisión, el de la configuración regional)\n"
           "  -h, --help        muestra esta ayuda y termina\n"
           "\n"
           "Una tabla que no cabe en su hoja sigue en hojas nuevas del mismo documento.\n"
           "Cada hoja lleva al pie su número, el nombre del archivo del estudio y el SHA-256\n"
           "de su contenido, la versión del programa, la fecha y el usuario. El documento es\n"
           "PDF/A-1b, con el método, el analista y el SHA-256 entre sus propiedades.\n"
           "\n"
           "Estado de salida:\n"
           "  0  el documento está escrito\n"
           "  1  el archivo no se puede leer, el estudio no es válido, la pendiente es cero o\n"
           "     hay un error de cálculo o de escritura: el mensaje va a la salida de errores\n"
           "     y no se escribe ningún documento\n"
           "  2  la línea de órdenes no es correcta\n";
}

std::string pdfUsageErrorText(const std::string& reason) {
    return usageErrorText("linealidad", kUsage, reason);
}

} // namespace linealidad
