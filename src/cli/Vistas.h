#pragma once

#include "Argumentos.h"
#include "Salida.h"
#include "study/Study.h"

namespace linealidad::cli {

// Each view runs the computations of its window's command on a validated study and writes the
// window's lines. A zero slope is reported and gives kFallo; conversion and arithmetic faults
// propagate after the lines the window would already hold have been written.

// The inference memo: 13 lines, the memo's empty line, the origin sentence if any.
int vistaInferencia(const Study& estudio, char decimal, Salida& salida);

// The variance grid, one row per line with its 6 cells joined by a TAB, then the sentences.
int vistaAnova(const Study& estudio, char decimal, Salida& salida);

// The four residual memos side by side: their k-th lines joined by a TAB.
int vistaResiduales(const Study& estudio, char decimal, Salida& salida);

// The report lines.
int vistaInforme(const Study& estudio, char decimal, Salida& salida);

int muestraVista(Vista vista, const Study& estudio, char decimal, Salida& salida);

} // namespace linealidad::cli
