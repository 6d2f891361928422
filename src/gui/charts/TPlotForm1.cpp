#include "gui/charts/TPlotForm1.h"

#include "core/charts/DrawMarker.h"
#include "core/stats/Observations.h"
#include "gui/common/DecimalSeparator.h"

#include <algorithm>

namespace linealidad {
namespace {

const ChartNames kNames{"PlotForm1",   "Gráfica (Residuales)", QSize(507, 353),
                        "PlotterBox1", "PlotterPopupMenu1",    "Opc1",
                        "Imprime1",    "GuardaImagen1",        "N11",
                        "Crr1"};

constexpr std::uint8_t kNoLine = 0;
constexpr std::uint8_t kSolidLine = 3;

} // namespace

TPlotForm1::TPlotForm1(ChartHost& host, TOptionsDlg& options, QWidget* parent)
    : ChartWindow(PlotKind::Residuals, kNames, host, options, parent) {}

void TPlotForm1::fill(const Study& study, const Residuals& residuals) {
    ClearPlot();
    ChartModel& model = plot().model();
    const char decimal = decimalSeparator();
    const int rows = study.stgdatos.rowCount() - 1;
    for (int r = 1; r <= rows; ++r)
        model.AddPoint(2, readX(study, r, decimal), 0);
    model.SetLineStyle(2, kSolidLine);
    model.SetMarker(2, kCircleMarker);
    const int computed = std::min(rows, static_cast<int>(residuals.Estudentizado.size()));
    for (int r = 1; r <= computed; ++r)
        model.AddPoint(1, readX(study, r, decimal),
                       residuals.Estudentizado[static_cast<std::size_t>(r - 1)]);
    model.SetLineStyle(1, kNoLine);
    model.SetMarker(1, kTriangleMarker);
    model.SetXLabel(study.eadicionada);
    model.SetYLabel(study.emedida);
}

} // namespace linealidad
