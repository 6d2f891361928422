#include "core/charts/ChartFill.h"

#include "core/charts/DrawMarker.h"
#include "core/charts/LineStyle.h"
#include "core/charts/PlotTexts.h"

#include <algorithm>

namespace linealidad {
namespace {

// The curves both charts use: the data, and the line it is compared with.
constexpr int kDataCurve = 1;
constexpr int kLineCurve = 2;

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

void fillRegressionChart(ChartModel& model, const Study& study, const Observations& data,
                         const ResultadosRegresion& regression) {
    const double m = regression.Pendiente;
    const double b = regression.Ordenada;
    for (double x : data.x)
        model.AddPoint(kLineCurve, x, m * x + b);
    styleLineCurve(model);
    for (std::size_t j = 0; j < data.x.size(); ++j)
        model.AddPoint(kDataCurve, data.x[j], data.y[j]);
    styleDataCurveAndNameAxes(model, study, study.emedida);
}

void fillResidualsChart(ChartModel& model, const Study& study, const Observations& data,
                        const Residuals& residuals) {
    for (double x : data.x)
        model.AddPoint(kLineCurve, x, 0);
    styleLineCurve(model);
    const std::size_t computed = std::min(data.x.size(), residuals.Estudentizado.size());
    for (std::size_t j = 0; j < computed; ++j)
        model.AddPoint(kDataCurve, data.x[j], residuals.Estudentizado[j]);
    styleDataCurveAndNameAxes(model, study, residualsAxisLabel(study.emedida));
}

} // namespace linealidad
