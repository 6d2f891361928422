#include "gui/charts/TPlotForm.h"

#include "core/charts/DrawMarker.h"
#include "core/stats/Observations.h"
#include "gui/common/DecimalSeparator.h"

namespace linealidad {
namespace {

const ChartNames kNames{"PlotForm", "Gráfica", QSize(599, 353), "PlotterBox", "PlotterPopupMenu",
                        "Opc",      "Imprime", "GuardaImagen",  "N1",         "Crr"};

constexpr std::uint8_t kNoLine = 0;
constexpr std::uint8_t kSolidLine = 3;

} // namespace

TPlotForm::TPlotForm(ChartHost& host, TOptionsDlg& options, QWidget* parent)
    : ChartWindow(PlotKind::Regression, kNames, host, options, parent) {}

void TPlotForm::fill(const Study& study, const ResultadosRegresion& regression) {
    ClearPlot();
    ChartModel& model = plot().model();
    const char decimal = decimalSeparator();
    const int rows = study.stgdatos.rowCount() - 1;
    const double m = regression.Pendiente;
    const double b = regression.Ordenada;
    for (int r = 1; r <= rows; ++r) {
        const double x = readX(study, r, decimal);
        model.AddPoint(2, x, m * x + b);
    }
    model.SetLineStyle(2, kSolidLine);
    model.SetMarker(2, kCircleMarker);
    for (int r = 1; r <= rows; ++r)
        model.AddPoint(1, readX(study, r, decimal), readY(study, r, decimal));
    model.SetLineStyle(1, kNoLine);
    model.SetMarker(1, kTriangleMarker);
    model.SetXLabel(study.eadicionada);
    model.SetYLabel(study.emedida);
}

} // namespace linealidad
