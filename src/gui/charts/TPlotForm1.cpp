#include "gui/charts/TPlotForm1.h"

namespace linealidad {
namespace {

const ChartNames kNames{"PlotForm1",   "Gráfica (Residuales)", QSize(507, 353),
                        "PlotterBox1", "PlotterPopupMenu1",    "Opc1",
                        "Imprime1",    "GuardaImagen1",        "N11",
                        "Crr1"};

} // namespace

TPlotForm1::TPlotForm1(ChartHost& host, TOptionsDlg& options, QWidget* parent)
    : ChartWindow(PlotKind::Residuals, kNames, host, options, parent) {}

} // namespace linealidad
