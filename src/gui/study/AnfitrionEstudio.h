#pragma once

#include "app/ReglasHabilitacion.h"

class QString;

namespace linealidad {

class Interaccion;

// What the study window asks of the main window that holds it.
class AnfitrionEstudio {
public:
    virtual ~AnfitrionEstudio() = default;

    virtual Interaccion& interaccion() = 0;
    // The modified mark: the status panel showing "Modificado".
    virtual void marcaModificado() = 0;
    virtual bool modificado() const = 0;
    // Clears the mark, leaving `texto` (a blank or nothing) in the panel.
    virtual void limpiaModificado(const QString& texto) = 0;
    // Applies a column of the enabling rules.
    virtual void aplica(EventoEstudio evento) = 0;
    // The "&Guardar" command; true when the study was written.
    virtual bool guarda() = 0;
};

} // namespace linealidad
