#include "app/Glifos.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace linealidad {
namespace {

constexpr int kLado = 40; // glyphs are drawn on a 40-unit square and scaled

const QColor kTinta(40, 48, 64);
const QColor kAzul(40, 100, 180);
const QColor kAmarillo(236, 190, 70);
const QColor kRojo(200, 60, 50);
const QColor kVerde(50, 140, 80);

QPen pluma(const QColor& c, double ancho = 2.2) {
    return QPen(c, ancho, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void hoja(QPainter& p, const QRectF& r, const QColor& relleno) {
    QPainterPath path;
    const double doblez = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - doblez, r.top());
    path.lineTo(r.right(), r.top() + doblez);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(pluma(kTinta, 2));
    p.setBrush(relleno);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(r.right() - doblez, r.top()),
                              QPointF(r.right() - doblez, r.top() + doblez),
                              QPointF(r.right(), r.top() + doblez)}));
}

void ventana(QPainter& p, const QRectF& r) {
    p.setPen(pluma(kTinta, 2));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(kAzul);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 6));
}

void dibuja(QPainter& p, const QString& nombre) {
    if (nombre == QLatin1String("nuevo")) {
        hoja(p, QRectF(9, 4, 22, 32), Qt::white);
        p.setPen(pluma(kVerde, 3));
        p.drawLine(QPointF(27, 26), QPointF(27, 36));
        p.drawLine(QPointF(22, 31), QPointF(32, 31));
    } else if (nombre == QLatin1String("abrir")) {
        p.setPen(pluma(kTinta, 2));
        p.setBrush(kAmarillo.darker(115));
        p.drawPolygon(QPolygonF({QPointF(4, 10), QPointF(14, 10), QPointF(17, 14), QPointF(32, 14),
                                 QPointF(32, 33), QPointF(4, 33)}));
        p.setBrush(kAmarillo);
        p.drawPolygon(
            QPolygonF({QPointF(9, 19), QPointF(37, 19), QPointF(32, 33), QPointF(4, 33)}));
    } else if (nombre == QLatin1String("guardar")) {
        p.setPen(pluma(kTinta, 2));
        p.setBrush(kAzul);
        p.drawRoundedRect(QRectF(5, 5, 30, 30), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(11, 5, 18, 11));
        p.setBrush(QColor(210, 215, 225));
        p.drawRect(QRectF(10, 22, 20, 13));
        p.setBrush(kTinta);
        p.drawRect(QRectF(23, 7, 4, 7));
    } else if (nombre == QLatin1String("imprimir")) {
        p.setPen(pluma(kTinta, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(11, 4, 18, 12));
        p.setBrush(QColor(190, 196, 206));
        p.drawRoundedRect(QRectF(4, 15, 32, 14), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(11, 24, 18, 12));
        p.setPen(pluma(kTinta, 1.5));
        p.drawLine(QPointF(14, 29), QPointF(26, 29));
        p.drawLine(QPointF(14, 33), QPointF(23, 33));
        p.setPen(Qt::NoPen);
        p.setBrush(kVerde);
        p.drawEllipse(QPointF(31, 19), 1.8, 1.8);
    } else if (nombre == QLatin1String("cerrar")) {
        ventana(p, QRectF(5, 7, 30, 26));
        p.setPen(pluma(kRojo, 3.2));
        p.drawLine(QPointF(14, 17), QPointF(26, 29));
        p.drawLine(QPointF(26, 17), QPointF(14, 29));
    } else if (nombre == QLatin1String("salir")) {
        p.setPen(pluma(kTinta, 2));
        p.setBrush(QColor(150, 105, 60));
        p.drawRect(QRectF(6, 4, 17, 32));
        p.setBrush(kAmarillo);
        p.drawEllipse(QPointF(19, 21), 1.6, 1.6);
        p.setPen(pluma(kRojo, 3));
        p.drawLine(QPointF(22, 20), QPointF(36, 20));
        p.drawPolyline(QPolygonF({QPointF(31, 14), QPointF(37, 20), QPointF(31, 26)}));
    } else if (nombre == QLatin1String("mosaico")) {
        ventana(p, QRectF(4, 5, 15, 14));
        ventana(p, QRectF(21, 5, 15, 14));
        ventana(p, QRectF(4, 21, 15, 14));
        ventana(p, QRectF(21, 21, 15, 14));
    } else if (nombre == QLatin1String("cascada")) {
        ventana(p, QRectF(4, 4, 20, 17));
        ventana(p, QRectF(10, 11, 20, 17));
        ventana(p, QRectF(16, 18, 20, 17));
    } else if (nombre == QLatin1String("contenido")) {
        p.setPen(pluma(kTinta, 2));
        p.setBrush(kVerde);
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

QPixmap pinta(const QString& nombre, int lado, bool apagado) {
    QPixmap pixmap(lado, lado);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(lado) / kLado, double(lado) / kLado);
    dibuja(p, nombre);
    p.end();
    if (!apagado)
        return pixmap;
    // The disabled image: every pixel turned to a light grey of its brightness.
    QImage imagen = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < imagen.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < imagen.width(); ++x) {
            const int gris = 150 + qGray(fila[x]) / 3;
            fila[x] = qRgba(gris, gris, gris, qAlpha(fila[x]) * 3 / 5);
        }
    }
    return QPixmap::fromImage(imagen);
}

} // namespace

QIcon iconoGlifo(const QString& nombre) {
    QIcon icono;
    for (int lado : {20, 40}) {
        icono.addPixmap(pinta(nombre, lado, false), QIcon::Normal);
        icono.addPixmap(pinta(nombre, lado, true), QIcon::Disabled);
    }
    return icono;
}

// A calibration scene: a sky-to-white field, a lab flask and a chart of points on their line.
QPixmap imagenPresentacion(const QSize& tamano) {
    QPixmap pixmap(tamano);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = tamano.width(), h = tamano.height();
    QLinearGradient fondo(0, 0, 0, h);
    fondo.setColorAt(0, QColor(28, 52, 96));
    fondo.setColorAt(1, QColor(72, 118, 170));
    p.fillRect(pixmap.rect(), fondo);

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
    auto punto = [&](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.bottom() - y * area.height());
    };
    p.setPen(QPen(QColor(255, 214, 102), 3));
    p.drawLine(punto(0.05, 0.08), punto(0.95, 0.9));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    const double marca = h * 0.022;
    const double desvio[] = {0.03, -0.025, 0.02, -0.015, 0.028, -0.02, 0.012, -0.03, 0.02};
    for (int i = 0; i < 9; ++i) {
        const double x = 0.1 + i * 0.1;
        const QPointF c = punto(x, 0.08 + (x - 0.05) * 0.82 / 0.9 + desvio[i]);
        p.drawPolygon(QPolygonF({c + QPointF(0, -marca), c + QPointF(-marca, marca * 0.7),
                                 c + QPointF(marca, marca * 0.7)}));
    }

    // The flask.
    const double cx = w * 0.83, base = h * 0.82, ancho = w * 0.2;
    QPainterPath matraz;
    matraz.moveTo(cx - ancho * 0.12, h * 0.3);
    matraz.lineTo(cx - ancho * 0.12, h * 0.48);
    matraz.lineTo(cx - ancho * 0.5, base);
    matraz.lineTo(cx + ancho * 0.5, base);
    matraz.lineTo(cx + ancho * 0.12, h * 0.48);
    matraz.lineTo(cx + ancho * 0.12, h * 0.3);
    QPainterPath liquido;
    liquido.moveTo(cx - ancho * 0.36, h * 0.68);
    liquido.lineTo(cx + ancho * 0.36, h * 0.68);
    liquido.lineTo(cx + ancho * 0.5, base);
    liquido.lineTo(cx - ancho * 0.5, base);
    liquido.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 220, 170, 200));
    p.drawPath(liquido);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(matraz);
    p.drawLine(QPointF(cx - ancho * 0.18, h * 0.3), QPointF(cx + ancho * 0.18, h * 0.3));
    return pixmap;
}

// The emblem: a rounded badge with a fitted line through its points.
QPixmap emblemaPrograma(const QSize& tamano) {
    QPixmap pixmap(tamano);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, tamano.width() - 4, tamano.height() - 4);
    QLinearGradient fondo(r.topLeft(), r.bottomRight());
    fondo.setColorAt(0, QColor(40, 90, 160));
    fondo.setColorAt(1, QColor(20, 45, 90));
    p.setPen(QPen(QColor(15, 30, 60), 2));
    p.setBrush(fondo);
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
