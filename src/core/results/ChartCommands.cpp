#include "core/results/ChartCommands.h"

#include "core/charts/ChartFill.h"
#include "core/stats/StudyObservations.h"

namespace linealidad {

void regressionChartCommand(const Study& study, char decimal, ResultSet& results,
                            ChartModel& model) {
    const Observations data = readObservations(study, decimal);
    fit(data, results);
    fillRegressionChart(model, study, data, results.regression);
}

void residualsChartCommand(const Study& study, char decimal, ResultSet& results,
                           ChartModel& model) {
    const Observations data = readObservations(study, decimal);
    fit(data, results);
    analyse(data, results);
    fillResidualsChart(model, study, data, results.residuals);
}

} // namespace linealidad
