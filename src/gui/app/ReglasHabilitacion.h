#pragma once

namespace linealidad {

// The events of the study's life after which commands are switched on or off.
enum class EventoEstudio {
    AlInicio,             // the program starts
    Nuevo,                // "&Nuevo" created a study window
    AbrirHecho,           // "&Abrir..." read a study into a new window
    EntraRejillaDatos,    // the focus entered the data grid
    TeclaEnDatos,         // a character was typed in the data grid
    TeclaEnUltimaCelda,   // ... in its last cell (the previous column applies too)
    CerradoPorCerrar,     // the study window was closed by "C&errar"
    VentanaEstudioCierra, // the study window closes, by any means
    UltimaVentanaCierra,  // the only child window left closes
};

// The commands that are switched together.
enum class GrupoComandos {
    Nuevo,         // "&Nuevo" and its button
    Abrir,         // "&Abrir..." and its button
    Cerrar,        // "C&errar" and its button
    Guardar,       // "&Guardar", its button, "Guardar &como..."
    Imprimir,      // "&Imprimir...", its items and buttons
    MenuCalculos,  // the "&Cálculos" menu itself: never switched off once on
    Inferencia,    // "&Inferencia"
    OtrosCalculos, // the other items of "&Cálculos"
    Emergentes,    // the pop-up items of the study window
    Ventanas,      // "&Mosaico", "&Cascada" and their buttons
    Siempre,       // "&Salir", help, "&Acerca...": always on
};

enum class Cambio { Igual, Habilita, Deshabilita };

// What `evento` does to the commands of `grupo`.
Cambio cambioDe(GrupoComandos grupo, EventoEstudio evento);

} // namespace linealidad
