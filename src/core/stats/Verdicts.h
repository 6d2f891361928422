#pragma once

#include "core/stats/Results.h"

namespace linealidad {

// The classes on which the verdict sentences rest. The thresholds 0.05 and 0.01 are held in
// extended precision, just below the doubles nearest to them: a probability stored as the
// double 0.05 falls in the class above 0.05, one stored as 0.01 above 0.01.

// The relation between X and Y, from p = PRegresion.
enum class Relation { HighlySignificant, Significant, NoDependence };
Relation relationClass(double p);

// Whether the straight line represents the relation, from q = PFaltaAjuste. Meaningful only
// when the study has pure error and the relation is significant.
enum class LinearModel { Adequate, NotAdequate };
LinearModel modelClass(double q);

// True when the probability lies at or below the extended 0.05 (or 0.01) threshold.
bool atMostFivePercent(double p);
bool atMostOnePercent(double p);

// Whether the fitted line passes through the origin.
enum class Origin { DoesNotPass, Passes, NoVerdict };
// NoPasa when PRegresion ≤ 0.05 and |TcalOrdenada| ≥ TTabla; Pasa when |TcalOrdenada| < TTabla;
// otherwise no verdict.
Origin originVerdict(const ResultadosRegresion& R, double PRegresion);

} // namespace linealidad
