#include "study/StudyFile.h"

#include "study/FileAccess.h"
#include "text/Encoding.h"
#include "text/Errors.h"
#include "text/NumberParse.h"

#include <string_view>
#include <vector>

namespace linealidad {
namespace {

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";
constexpr int kLineaNiveles = 6; // after the five general-information texts

// The file's text in UTF-8: valid UTF-8 is taken as it is (without a byte-order mark),
// anything else is Windows-1252.
std::string textoDelArchivo(const std::string& bytes) {
    if (!isValidUtf8(bytes))
        return windows1252ToUtf8(bytes);
    if (std::string_view(bytes).starts_with(kMarcaUtf8))
        return bytes.substr(kMarcaUtf8.size());
    return bytes;
}

// Splits at CR LF, LF or a lone CR. A final line end does not start another line.
std::vector<std::string> lineas(const std::string& texto) {
    std::vector<std::string> result;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != '\r' && texto[i] != '\n')
            continue;
        result.push_back(texto.substr(inicio, i - inicio));
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n')
            ++i;
        inicio = i + 1;
    }
    if (inicio < texto.size())
        result.push_back(texto.substr(inicio));
    return result;
}

// A line's text as a message quotes it: long lines (a file that is not text at all) are cut
// at a character boundary.
std::string cita(const std::string& texto) {
    constexpr std::size_t kLargo = 40;
    if (texto.size() <= kLargo)
        return '"' + texto + '"';
    std::size_t corte = kLargo;
    while (corte > 0 && (static_cast<unsigned char>(texto[corte]) & 0xC0) == 0x80)
        --corte;
    return '"' + texto.substr(0, corte) + "…\"";
}

// The lines of the file, numbered from 1 as an editor shows them; lines past the end read as
// empty.
class LectorDeLineas {
public:
    LectorDeLineas(std::string ruta, std::vector<std::string> lineas)
        : ruta_(std::move(ruta)), lineas_(std::move(lineas)) {}

    const std::string& linea(int numero) const {
        static const std::string vacia;
        return numero <= static_cast<int>(lineas_.size())
                   ? lineas_[static_cast<std::size_t>(numero - 1)]
                   : vacia;
    }

    // The whole number on a line that must hold a count (0 or more).
    int cuenta(int numero, const std::string& queDebeTener) const {
        if (numero > static_cast<int>(lineas_.size()))
            throw noEsEstudio(numero, queDebeTener, "el archivo termina antes");
        const std::string& texto = linea(numero);
        if (!isInteger(texto) || parseInteger(texto) < 0)
            throw noEsEstudio(numero, queDebeTener, "tiene " + cita(texto));
        return parseInteger(texto);
    }

    StudyFormatError noSePuedeAbrir(const std::string& motivo) const {
        return StudyFormatError("El archivo \"" + ruta_ + "\" no se puede abrir: " + motivo + ".");
    }

private:
    StudyFormatError noEsEstudio(int numero, const std::string& queDebeTener,
                                 const std::string& queTiene) const {
        return StudyFormatError("El archivo \"" + ruta_ + "\" no es un estudio: la línea " +
                                std::to_string(numero) + " debe tener " + queDebeTener +
                                " (un número entero, cero o mayor) y " + queTiene + ".");
    }

    std::string ruta_;
    std::vector<std::string> lineas_;
};

int leeNiveles(const LectorDeLineas& lector) {
    const int niveles = lector.cuenta(kLineaNiveles, "el número de niveles");
    if (niveles > kMaximoNiveles)
        throw lector.noSePuedeAbrir(
            "la línea " + std::to_string(kLineaNiveles) + " indica " + std::to_string(niveles) +
            " niveles y el programa admite como máximo " + std::to_string(kMaximoNiveles));
    return niveles;
}

// Puts the replicate counts into the levels grid and returns their sum, T.
int leeReplicas(const LectorDeLineas& lector, int niveles, Study& study) {
    long long observaciones = 0; // wide enough for 30 counts of any size
    for (int i = 1; i <= niveles; ++i) {
        const int numero = kLineaNiveles + i;
        observaciones +=
            lector.cuenta(numero, "el número de réplicas del nivel " + std::to_string(i));
        if (observaciones > kMaximoObservaciones)
            throw lector.noSePuedeAbrir("las réplicas hasta la línea " + std::to_string(numero) +
                                        " suman " + std::to_string(observaciones) +
                                        " observaciones y el programa admite como máximo " +
                                        std::to_string(kMaximoObservaciones));
        study.stgniveles.setCell(i, 1, lector.linea(numero));
    }
    return static_cast<int>(observaciones);
}

// The lines of the file layout, in order, without their line ends.
std::vector<std::string> lineasDelEstudio(const Study& study, const TitulosGrafica& titulos) {
    std::vector<std::string> result = {study.emetodo,     study.eanalista, study.efecha,
                                       study.eadicionada, study.emedida,   study.eniveles};
    const int niveles = parseInteger(study.eniveles);
    for (int i = 1; i <= niveles; ++i)
        result.push_back(study.stgniveles.cell(i, 1));
    for (int columna = 1; columna <= 2; ++columna)
        for (int fila = 1; fila < study.stgdatos.rowCount(); ++fila)
            result.push_back(study.stgdatos.cell(columna, fila));
    result.insert(result.end(), titulos.begin(), titulos.end());
    return result;
}

// The bytes to store: Windows-1252, as earlier versions wrote, when every character has a
// byte there and those bytes cannot be mistaken for UTF-8 on reading ("Ã³" in Windows-1252 is
// the UTF-8 of "ó"); UTF-8 otherwise, so nothing typed is lost.
std::string bytesDelArchivo(const std::string& texto) {
    if (const auto ansi = utf8ToWindows1252(texto); ansi && (*ansi == texto || !isValidUtf8(*ansi)))
        return *ansi;
    // A text that itself begins with a byte-order mark keeps it: the reader drops only one.
    if (std::string_view(texto).starts_with(kMarcaUtf8))
        return std::string(kMarcaUtf8) + texto;
    return texto;
}

} // namespace

Study leeEstudio(const std::string& path) {
    const LectorDeLineas lector(path, lineas(textoDelArchivo(readFileBytes(path))));
    Study study = Study::nuevo();
    const int niveles = leeNiveles(lector);
    const int observaciones = leeReplicas(lector, niveles, study);

    study.emetodo = lector.linea(1);
    study.eanalista = lector.linea(2);
    study.efecha = lector.linea(3);
    study.eadicionada = lector.linea(4);
    study.emedida = lector.linea(5);
    study.eniveles = lector.linea(kLineaNiveles);
    const int primeraX = kLineaNiveles + niveles + 1;
    const int primeraY = primeraX + observaciones;
    for (int j = 1; j <= observaciones; ++j) {
        study.stgdatos.setCell(1, j, lector.linea(primeraX + j - 1));
        study.stgdatos.setCell(2, j, lector.linea(primeraY + j - 1));
    }
    // The three chart title lines that follow are not part of the study.

    study.stgniveles.setColCount(niveles + 1);
    study.stgdatos.setRowCount(observaciones + 1);
    study.writeFileTitles(niveles);
    return study;
}

void escribeEstudio(const std::string& path, const Study& study, const TitulosGrafica& titulos) {
    std::string texto;
    for (const std::string& linea : lineasDelEstudio(study, titulos))
        texto += linea + "\r\n";
    replaceFileBytes(path, bytesDelArchivo(texto));
}

} // namespace linealidad
