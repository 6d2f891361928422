#include "gui/common/CanvasFont.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>

#include <cstdlib>

namespace linealidad {
namespace {

QFont baseFont(const Font& font) {
    QFont f(QString::fromStdString(font.name));
    f.setStyleHint(font.pitch == Pitch::Fixed ? QFont::TypeWriter : QFont::SansSerif);
    f.setFixedPitch(font.pitch == Pitch::Fixed);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

int heightWith(QFont f, int size, const QPaintDevice* device) {
    f.setPixelSize(size);
    return QFontMetrics(f, device).height();
}

// The pixel size whose cell height comes closest to `cell` (the smaller one on a tie, so the
// text keeps within its line). Cell heights grow with the pixel size but not in proportion,
// so the estimate from one measurement is refined among its neighbours.
int sizeForCell(const QFont& f, int cell, const QPaintDevice* device) {
    static QHash<QString, int> cache;
    const QString key = f.key() + QLatin1Char('|') + QString::number(cell) + QLatin1Char('|') +
                        QString::number(device ? device->logicalDpiY() : 0);
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return it.value();

    constexpr int display = 100;
    const double proportion = double(display) / std::max(1, heightWith(f, display, device));
    const int estimate = std::max(1, qRound(cell * proportion));
    int best = estimate;
    int bestError = std::abs(heightWith(f, estimate, device) - cell);
    for (int size = std::max(1, estimate - 3); size <= estimate + 3; ++size) {
        const int error = std::abs(heightWith(f, size, device) - cell);
        if (error < bestError || (error == bestError && size < best)) {
            best = size;
            bestError = error;
        }
    }
    cache.insert(key, best);
    return best;
}

} // namespace

QFont qtFont(const Font& font, const QPaintDevice* device) {
    QFont f = baseFont(font);
    if (font.height > 0)
        f.setPixelSize(sizeForCell(f, font.height, device));
    else if (font.height < 0)
        f.setPixelSize(-font.height);
    else
        f.setPixelSize(1);
    return f;
}

} // namespace linealidad
