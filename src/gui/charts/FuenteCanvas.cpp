#include "charts/FuenteCanvas.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>

#include <cstdlib>

namespace linealidad {
namespace {

QFont fuenteBase(const Font& font) {
    QFont f(QString::fromStdString(font.name));
    f.setStyleHint(font.pitch == Pitch::Fixed ? QFont::TypeWriter : QFont::SansSerif);
    f.setFixedPitch(font.pitch == Pitch::Fixed);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

int alturaCon(QFont f, int tamano, const QPaintDevice* device) {
    f.setPixelSize(tamano);
    return QFontMetrics(f, device).height();
}

// The pixel size whose cell height comes closest to `celda` (the smaller one on a tie, so the
// text keeps within its line). Cell heights grow with the pixel size but not in proportion,
// so the estimate from one measurement is refined among its neighbours.
int tamanoParaCelda(const QFont& f, int celda, const QPaintDevice* device) {
    static QHash<QString, int> cache;
    const QString clave = f.key() + QLatin1Char('|') + QString::number(celda) + QLatin1Char('|') +
                          QString::number(device ? device->logicalDpiY() : 0);
    if (const auto it = cache.constFind(clave); it != cache.constEnd())
        return it.value();

    constexpr int muestra = 100;
    const double proporcion = double(muestra) / std::max(1, alturaCon(f, muestra, device));
    const int estimado = std::max(1, qRound(celda * proporcion));
    int mejor = estimado;
    int mejorError = std::abs(alturaCon(f, estimado, device) - celda);
    for (int tamano = std::max(1, estimado - 3); tamano <= estimado + 3; ++tamano) {
        const int error = std::abs(alturaCon(f, tamano, device) - celda);
        if (error < mejorError || (error == mejorError && tamano < mejor)) {
            mejor = tamano;
            mejorError = error;
        }
    }
    cache.insert(clave, mejor);
    return mejor;
}

} // namespace

QFont fuenteQt(const Font& font, const QPaintDevice* device) {
    QFont f = fuenteBase(font);
    if (font.height > 0)
        f.setPixelSize(tamanoParaCelda(f, font.height, device));
    else if (font.height < 0)
        f.setPixelSize(-font.height);
    else
        f.setPixelSize(1);
    return f;
}

} // namespace linealidad
