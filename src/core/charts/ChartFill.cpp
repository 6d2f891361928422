#include "core/charts/ChartFill.h"

#include "core/charts/DrawMarker.h"
#include "core/charts/LineStyle.h"
#include "core/charts/PlotTexts.h"
#include "core/stats/Observations.h"

#include <algorithm>

namespace linealidad {
namespace {

// The curves both charts use: the data, and the line it is compared with.
constexpr int kDataCurve = 1;
constexpr int kLineCurve = 2;

int dataRows(const Study& study) {
    return study.stgdatos.rowCount() - 1;
}

// Each curve is styled once its points are in; the axes are named last.
void styleLineCurve(ChartModel& model) {
    model.SetLineStyle(kLineCurve, kSolidLine);
    model.SetMarker(kLineCurve, kCircleMarker);
}

void styleDataCurveAndNameAxes(ChartModel& model, const Study& study, const std::string& yLabel) {
    model.SetLineStyle(kDataCurve, kNoLine);
    model.SetMarker(kDataCurve, kTriangleMarker);
    model.SetXLabel(study.eadicionada);
    model.SetYLabel(yLabel);
}

} // namespace

void fillRegressionChart(ChartModel& model, const Study& study,
                         const ResultadosRegresion& regression, char decimal) {
    const int rows = dataRows(study);
    const double m = regression.Pendiente;
    const double b = regression.Ordenada;
    for (int r = 1; r <= rows; ++r) {
        const double x = readX(study, r, decimal);
        model.AddPoint(kLineCurve, x, m * x + b);
    }
    styleLineCurve(model);
    for (int r = 1; r <= rows; ++r)
        model.AddPoint(kDataCurve, readX(study, r, decimal), readY(study, r, decimal));
    styleDataCurveAndNameAxes(model, study, study.emedida);
}

void fillResidualsChart(ChartModel& model, const Study& study, const Residuals& residuals,
                        char decimal) {
    const int rows = dataRows(study);
    for (int r = 1; r <= rows; ++r)
        model.AddPoint(kLineCurve, readX(study, r, decimal), 0);
    styleLineCurve(model);
    const int computed = std::min(rows, static_cast<int>(residuals.Estudentizado.size()));
    for (int r = 1; r <= computed; ++r)
        model.AddPoint(kDataCurve, readX(study, r, decimal),
                       residuals.Estudentizado[static_cast<std::size_t>(r - 1)]);
    styleDataCurveAndNameAxes(model, study, residualsAxisLabel(study.emedida));
}

} // namespace linealidad
