#include "core/app/EnablingRules.h"

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
constexpr std::array<const char*, 11> kTable = {
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

Change changeFor(CommandGroup group, StudyEvent event) {
    switch (kTable[static_cast<std::size_t>(group)][static_cast<std::size_t>(event)]) {
    case '+':
        return Change::Enable;
    case '-':
        return Change::Disable;
    default:
        return Change::Unchanged;
    }
}

} // namespace linealidad
