#include "Ejecucion.h"

#include "Vistas.h"
#include "study/StudyFile.h"
#include "study/ValidaEstudio.h"
#include "text/Errors.h"

namespace linealidad::cli {

int ejecuta(const Orden& orden, Salida& salida) {
    try {
        const Study estudio = leeEstudio(orden.archivo);
        if (const auto problema = ValidaEstudio(estudio))
            return salida.falla(problema->mensaje);
        return muestraVista(orden.vista, estudio, orden.decimal, salida);
    } catch (const FileError& e) {
        // The system's message does not say which file; on a command line that matters.
        return salida.falla(genericReportText(orden.archivo + ": " + e.what()));
    } catch (const StudyFormatError& e) {
        return salida.falla(e.what());
    } catch (const Fault& e) {
        return salida.falla(genericReportText(e.what()));
    }
}

} // namespace linealidad::cli
