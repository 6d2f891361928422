#pragma once

#include "core/stats/Results.h"
#include "core/stats/Verdicts.h"
#include "core/study/Study.h"

#include <optional>
#include <string>
#include <vector>

namespace linealidad {

// The verdict sentences shared by the inference, variance and report texts. U (units of X,
// `eadicionada`) and P (name of Y, `emedida`) are inserted as typed, even when empty.

// "LA ORDENADA DE LA RELACIÓN LINEAL U - P [NO ]PASA POR EL ORIGEN."; nothing when there is
// no verdict.
std::optional<std::string> originSentence(const Study& study, Origin verdict);

// "EXISTE RELACIÓN [ALTAMENTE ]SIGNIFICATIVA DE U Y P" or "NO HAY DEPENDENCIA ENTRE LAS
// VARIABLES".
std::string relationSentence(const Study& study, Relation relation);

// "EL MODELO LINEAL [NO ]REPRESENTA DE MANERA CORRECTA LA RELACIÓN U Y P".
std::string modelSentence(const Study& study, LinearModel model);

// The verdict of a study with pure error: the relation and, when there is one, whether the
// straight line represents it (from PFaltaAjuste).
std::vector<std::string> sentencesWithPureError(const Study& study, const ResultadosAnova& A);

} // namespace linealidad
