#include "charts/TPlotForm.h"

#include "app/Regional.h"
#include "charts/DrawMarker.h"
#include "stats/Observaciones.h"

namespace linealidad {
namespace {

const NombresGrafica kNombres{
    "PlotForm", "Gráfica", QSize(599, 353), "PlotterBox", "PlotterPopupMenu",
    "Opc",      "Imprime", "GuardaImagen",  "N1",         "Crr"};

constexpr std::uint8_t kSinLinea = 0;
constexpr std::uint8_t kLineaContinua = 3;

} // namespace

TPlotForm::TPlotForm(AnfitrionGrafica& anfitrion, TOptionsDlg& opciones, QWidget* parent)
    : VentanaGrafica(PlotKind::Regresion, kNombres, anfitrion, opciones, parent) {}

void TPlotForm::llena(const Study& estudio, const ResultadosRegresion& regresion) {
    ClearPlot();
    ChartModel& modelo = plot().model();
    const char decimal = separadorDecimal();
    const int filas = estudio.stgdatos.rowCount() - 1;
    const double m = regresion.Pendiente;
    const double b = regresion.Ordenada;
    for (int r = 1; r <= filas; ++r) {
        const double x = leeX(estudio, r, decimal);
        modelo.AddPoint(2, x, m * x + b);
    }
    modelo.SetLineStyle(2, kLineaContinua);
    modelo.SetMarker(2, kMarcaCirculo);
    for (int r = 1; r <= filas; ++r)
        modelo.AddPoint(1, leeX(estudio, r, decimal), leeY(estudio, r, decimal));
    modelo.SetLineStyle(1, kSinLinea);
    modelo.SetMarker(1, kMarcaTriangulo);
    modelo.SetXLabel(estudio.eadicionada);
    modelo.SetYLabel(estudio.emedida);
}

} // namespace linealidad
