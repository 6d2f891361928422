#include "gui/common/Glyphs.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace linealidad {
namespace {

constexpr int kSide = 40; // glyphs are drawn on a 40-unit square and scaled

const QColor kInk(40, 48, 64);
const QColor kBlue(40, 100, 180);
const QColor kYellow(236, 190, 70);
const QColor kRed(200, 60, 50);
const QColor kGreen(50, 140, 80);

QPen pen(const QColor& c, double width = 2.2) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void sheet(QPainter& p, const QRectF& r, const QColor& fill) {
    QPainterPath path;
    const double fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(pen(kInk, 2));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawPolyline(
        QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                   QPointF(r.right(), r.top() + fold)}));
}

void window(QPainter& p, const QRectF& r) {
    p.setPen(pen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(kBlue);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 6));
}

void draw(QPainter& p, const QString& name) {
    if (name == QLatin1String("nuevo")) {
        sheet(p, QRectF(9, 4, 22, 32), Qt::white);
        p.setPen(pen(kGreen, 3));
        p.drawLine(QPointF(27, 26), QPointF(27, 36));
        p.drawLine(QPointF(22, 31), QPointF(32, 31));
    } else if (name == QLatin1String("abrir")) {
        p.setPen(pen(kInk, 2));
        p.setBrush(kYellow.darker(115));
        p.drawPolygon(QPolygonF({QPointF(4, 10), QPointF(14, 10), QPointF(17, 14), QPointF(32, 14),
                                 QPointF(32, 33), QPointF(4, 33)}));
        p.setBrush(kYellow);
        p.drawPolygon(
            QPolygonF({QPointF(9, 19), QPointF(37, 19), QPointF(32, 33), QPointF(4, 33)}));
    } else if (name == QLatin1String("guardar")) {
        p.setPen(pen(kInk, 2));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(5, 5, 30, 30), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(11, 5, 18, 11));
        p.setBrush(QColor(210, 215, 225));
        p.drawRect(QRectF(10, 22, 20, 13));
        p.setBrush(kInk);
        p.drawRect(QRectF(23, 7, 4, 7));
    } else if (name == QLatin1String("imprimir")) {
        p.setPen(pen(kInk, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(11, 4, 18, 12));
        p.setBrush(QColor(190, 196, 206));
        p.drawRoundedRect(QRectF(4, 15, 32, 14), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(11, 24, 18, 12));
        p.setPen(pen(kInk, 1.5));
        p.drawLine(QPointF(14, 29), QPointF(26, 29));
        p.drawLine(QPointF(14, 33), QPointF(23, 33));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(31, 19), 1.8, 1.8);
    } else if (name == QLatin1String("cerrar")) {
        window(p, QRectF(5, 7, 30, 26));
        p.setPen(pen(kRed, 3.2));
        p.drawLine(QPointF(14, 17), QPointF(26, 29));
        p.drawLine(QPointF(26, 17), QPointF(14, 29));
    } else if (name == QLatin1String("salir")) {
        p.setPen(pen(kInk, 2));
        p.setBrush(QColor(150, 105, 60));
        p.drawRect(QRectF(6, 4, 17, 32));
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(19, 21), 1.6, 1.6);
        p.setPen(pen(kRed, 3));
        p.drawLine(QPointF(22, 20), QPointF(36, 20));
        p.drawPolyline(QPolygonF({QPointF(31, 14), QPointF(37, 20), QPointF(31, 26)}));
    } else if (name == QLatin1String("mosaico")) {
        window(p, QRectF(4, 5, 15, 14));
        window(p, QRectF(21, 5, 15, 14));
        window(p, QRectF(4, 21, 15, 14));
        window(p, QRectF(21, 21, 15, 14));
    } else if (name == QLatin1String("cascada")) {
        window(p, QRectF(4, 4, 20, 17));
        window(p, QRectF(10, 11, 20, 17));
        window(p, QRectF(16, 18, 20, 17));
    } else if (name == QLatin1String("contenido")) {
        p.setPen(pen(kInk, 2));
        p.setBrush(kGreen);
        p.drawRoundedRect(QRectF(7, 4, 26, 32), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 31, 26, 5));
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(7, 4, 26, 27), Qt::AlignCenter, QStringLiteral("?"));
    }
}

QPixmap drawGlyph(const QString& name, int side, bool off) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(side) / kSide, double(side) / kSide);
    draw(p, name);
    p.end();
    if (!off)
        return pixmap;
    // The disabled image: every pixel turned to a light grey of its brightness.
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 150 + qGray(row[x]) / 3;
            row[x] = qRgba(grey, grey, grey, qAlpha(row[x]) * 3 / 5);
        }
    }
    return QPixmap::fromImage(image);
}

// A glyph's icon: images of 20 and 40 pixels, normal and disabled, each drawn when it is first
// asked for (a tool bar at start-up needs only one image per button). It answers as an icon
// holding all four would: a size up to 20 × 20 takes the 20-pixel image, anything larger the
// 40-pixel one; Active and Selected take the normal image, as they do in an icon without
// images of their own.
class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(const QString& name) : name_(name) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn(size, mode).pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return drawn(size, mode).pixmap(size / scale, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return drawn(size, mode).actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State) override {
        if (mode != QIcon::Normal && mode != QIcon::Disabled)
            return {};
        return {QSize(20, 20), QSize(40, 40)};
    }
    QIconEngine* clone() const override { return new GlyphIconEngine(*this); }
    QString key() const override { return QStringLiteral("linealidad-glyph"); }

private:
    // The images drawn so far, with the one that answers `size` in `mode` among them.
    const QIcon& drawn(const QSize& size, QIcon::Mode mode) {
        const int side = size.width() * size.height() <= 20 * 20 ? 20 : 40;
        const bool off = mode == QIcon::Disabled;
        const int k = (side == 20 ? 0 : 2) + (off ? 1 : 0);
        if (!drawn_[k]) {
            images_.addPixmap(drawGlyph(name_, side, off), off ? QIcon::Disabled : QIcon::Normal);
            drawn_[k] = true;
        }
        return images_;
    }

    QString name_;
    QIcon images_;
    std::array<bool, 4> drawn_{};
};

} // namespace

QIcon glyphIcon(const QString& name) {
    return QIcon(new GlyphIconEngine(name));
}

// A calibration scene: a sky-to-white field, a lab flask and a chart of points on their line.
QPixmap splashPicture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    QLinearGradient background(0, 0, 0, h);
    background.setColorAt(0, QColor(28, 52, 96));
    background.setColorAt(1, QColor(72, 118, 170));
    p.fillRect(pixmap.rect(), background);

    // The chart.
    const QRectF area(w * 0.08, h * 0.1, w * 0.6, h * 0.72);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int i = 1; i < 5; ++i) {
        p.drawLine(QPointF(area.left(), area.bottom() - i * area.height() / 5),
                   QPointF(area.right(), area.bottom() - i * area.height() / 5));
        p.drawLine(QPointF(area.left() + i * area.width() / 5, area.top()),
                   QPointF(area.left() + i * area.width() / 5, area.bottom()));
    }
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.drawLine(area.bottomLeft(), area.bottomRight());
    auto point = [&](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.bottom() - y * area.height());
    };
    p.setPen(QPen(QColor(255, 214, 102), 3));
    p.drawLine(point(0.05, 0.08), point(0.95, 0.9));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    const double mark = h * 0.022;
    const double deviation[] = {0.03, -0.025, 0.02, -0.015, 0.028, -0.02, 0.012, -0.03, 0.02};
    for (int i = 0; i < 9; ++i) {
        const double x = 0.1 + i * 0.1;
        const QPointF c = point(x, 0.08 + (x - 0.05) * 0.82 / 0.9 + deviation[i]);
        p.drawPolygon(QPolygonF({c + QPointF(0, -mark), c + QPointF(-mark, mark * 0.7),
                                 c + QPointF(mark, mark * 0.7)}));
    }

    // The flask.
    const double cx = w * 0.83, base = h * 0.82, width = w * 0.2;
    QPainterPath flask;
    flask.moveTo(cx - width * 0.12, h * 0.3);
    flask.lineTo(cx - width * 0.12, h * 0.48);
    flask.lineTo(cx - width * 0.5, base);
    flask.lineTo(cx + width * 0.5, base);
    flask.lineTo(cx + width * 0.12, h * 0.48);
    flask.lineTo(cx + width * 0.12, h * 0.3);
    QPainterPath liquid;
    liquid.moveTo(cx - width * 0.36, h * 0.68);
    liquid.lineTo(cx + width * 0.36, h * 0.68);
    liquid.lineTo(cx + width * 0.5, base);
    liquid.lineTo(cx - width * 0.5, base);
    liquid.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 170, 200));
    p.drawPath(liquid);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flask);
    p.drawLine(QPointF(cx - width * 0.18, h * 0.3), QPointF(cx + width * 0.18, h * 0.3));
    return pixmap;
}

// The emblem: a rounded badge with a fitted line through its points.
QPixmap programEmblem(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, size.width() - 4, size.height() - 4);
    QLinearGradient background(r.topLeft(), r.bottomRight());
    background.setColorAt(0, QColor(40, 90, 160));
    background.setColorAt(1, QColor(20, 45, 90));
    p.setPen(QPen(QColor(15, 30, 60), 2));
    p.setBrush(background);
    p.drawRoundedRect(r, 10, 10);
    p.setPen(QPen(QColor(255, 214, 102), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + r.width() * 0.15, r.bottom() - r.height() * 0.2),
               QPointF(r.right() - r.width() * 0.15, r.top() + r.height() * 0.2));
    p.setPen(QPen(Qt::white, 2));
    for (double t : {0.25, 0.45, 0.65, 0.8}) {
        const QPointF c(r.left() + r.width() * (0.15 + t * 0.7),
                        r.bottom() - r.height() * (0.2 + t * 0.6) + (t < 0.5 ? -4 : 4));
        p.drawEllipse(c, 3.5, 3.5);
    }
    return pixmap;
}

} // namespace linealidad
