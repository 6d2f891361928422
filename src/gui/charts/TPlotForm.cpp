#include "gui/charts/TPlotForm.h"

namespace linealidad {
namespace {

const ChartNames kNames{"PlotForm", "Gráfica", QSize(599, 353), "PlotterBox", "PlotterPopupMenu",
                        "Opc",      "Imprime", "GuardaImagen",  "N1",         "Crr"};

} // namespace

TPlotForm::TPlotForm(ChartHost& host, TOptionsDlg& options, QWidget* parent)
    : ChartWindow(PlotKind::Regression, kNames, host, options, parent) {}

} // namespace linealidad
