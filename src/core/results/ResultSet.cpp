#include "core/results/ResultSet.h"

#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"

namespace linealidad {

void fit(const Study& study, char decimal, ResultSet& results) {
    CalculaRegresion(study, decimal, results.regression, results.PendienteCero);
}

void analyse(const Study& study, char decimal, ResultSet& results) {
    CalculaAnova(study, decimal, results.anova, results.PendienteCero, results.residuals);
}

} // namespace linealidad
