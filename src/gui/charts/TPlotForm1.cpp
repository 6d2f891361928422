#include "charts/TPlotForm1.h"

#include "app/Regional.h"
#include "charts/DrawMarker.h"
#include "stats/Observaciones.h"

#include <algorithm>

namespace linealidad {
namespace {

const NombresGrafica kNombres{"PlotForm1",   "Gráfica (Residuales)", QSize(507, 353),
                              "PlotterBox1", "PlotterPopupMenu1",    "Opc1",
                              "Imprime1",    "GuardaImagen1",        "N11",
                              "Crr1"};

constexpr std::uint8_t kSinLinea = 0;
constexpr std::uint8_t kLineaContinua = 3;

} // namespace

TPlotForm1::TPlotForm1(AnfitrionGrafica& anfitrion, TOptionsDlg& opciones, QWidget* parent)
    : VentanaGrafica(PlotKind::Residuales, kNombres, anfitrion, opciones, parent) {}

void TPlotForm1::llena(const Study& estudio, const Residuales& residuales) {
    ClearPlot();
    ChartModel& modelo = plot().model();
    const char decimal = separadorDecimal();
    const int filas = estudio.stgdatos.rowCount() - 1;
    for (int r = 1; r <= filas; ++r)
        modelo.AddPoint(2, leeX(estudio, r, decimal), 0);
    modelo.SetLineStyle(2, kLineaContinua);
    modelo.SetMarker(2, kMarcaCirculo);
    const int calculados = std::min(filas, static_cast<int>(residuales.Estudentizado.size()));
    for (int r = 1; r <= calculados; ++r)
        modelo.AddPoint(1, leeX(estudio, r, decimal),
                        residuales.Estudentizado[static_cast<std::size_t>(r - 1)]);
    modelo.SetLineStyle(1, kSinLinea);
    modelo.SetMarker(1, kMarcaTriangulo);
    modelo.SetXLabel(estudio.eadicionada);
    modelo.SetYLabel(estudio.emedida);
}

} // namespace linealidad
