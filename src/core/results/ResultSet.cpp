#include "core/results/ResultSet.h"

#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"

namespace linealidad {

void fit(const Observations& data, ResultSet& results) {
    CalculaRegresion(data, results.regression, results.PendienteCero);
}

void analyse(const Observations& data, ResultSet& results) {
    CalculaAnova(data, results.anova, results.PendienteCero, results.residuals);
}

} // namespace linealidad
