#include "app/ReglasHabilitacion.h"

#include <array>

namespace linealidad {
namespace {

// clang-format off
// One row per group, one column per event in the order of EventoEstudio:
// '+' switches on, '-' off, ' ' leaves unchanged.
//
//                                            start
//                                            |new
//                                            ||open done
//                                            |||data grid entered
//                                            ||||key in data grid
//                                            |||||key in last data cell
//                                            ||||||closed by "C&errar"
//                                            |||||||study window closes
//                                            ||||||||last child window closes
constexpr std::array<const char*, 11> kTabla = {
    /* Nuevo         */                      "+--   + +",
    /* Abrir         */                      "+--   + +",
    /* Cerrar        */                      "-++   - -",
    /* Guardar       */                      "---+++---",
    /* Imprimir      */                      "- -+ +---",
    /* MenuCalculos  */                      "-  + +   ",
    /* Inferencia    */                      "- ++ +---",
    /* OtrosCalculos */                      "- ++ +-- ",
    /* Emergentes    */                      "- ++ +   ",
    /* Ventanas      */                      "- +   - -",
    /* Siempre       */                      "+        ",
};
// clang-format on

} // namespace

Cambio cambioDe(GrupoComandos grupo, EventoEstudio evento) {
    switch (kTabla[static_cast<std::size_t>(grupo)][static_cast<std::size_t>(evento)]) {
    case '+':
        return Cambio::Habilita;
    case '-':
        return Cambio::Deshabilita;
    default:
        return Cambio::Igual;
    }
}

} // namespace linealidad
