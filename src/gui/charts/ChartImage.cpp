#include "gui/charts/ChartImage.h"

#include "gui/common/CanvasQt.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace linealidad {
namespace {

constexpr int kScreenPoints = 96;

void draw(QPainter& painter, Plot& plot, const Study& study, QSize size, char decimal) {
    CanvasQt canvas(painter);
    plot.RedrawPlot(canvas, size.width(), size.height(), study, decimal);
}

// The bytes `write` puts into a device; the writer must have finished (been destroyed) when
// `write` returns.
template <class Write> QByteArray bytesWritten(Write write) {
    QByteArray data;
    QBuffer target(&data);
    target.open(QIODevice::WriteOnly);
    write(target);
    return data;
}

} // namespace

QByteArray chartPng(Plot& plot, const Study& study, QSize size, char decimal) {
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kScreenPoints / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(painter, plot, study, size, decimal);
    }
    return bytesWritten([&image](QIODevice& target) { image.save(&target, "PNG"); });
}

// One page of the chart's size.
QByteArray chartPdf(Plot& plot, const Study& study, QSize size, const PdfMetadata& metadata,
                    char decimal) {
    const QSizeF points = QSizeF(size) * 72.0 / kScreenPoints;
    const QPageLayout page(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                           QPageLayout::Portrait, QMarginsF());
    return archivalPdf(metadata, page, kScreenPoints, [&](PrintDocument& document) {
        Canvas& canvas = document.BeginDoc();
        plot.RedrawPlot(canvas, size.width(), size.height(), study, decimal);
        document.EndDoc();
    });
}

// Lines and texts stay vectors (the texts in their font), so a word processor scales the
// drawing without blurring it.
QByteArray chartSvg(Plot& plot, const Study& study, QSize size, const QString& title,
                    char decimal) {
    return bytesWritten([&](QIODevice& target) {
        QSvgGenerator svg;
        svg.setOutputDevice(&target);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(kScreenPoints);
        svg.setTitle(title);
        svg.setDescription(QCoreApplication::applicationName());
        QPainter painter(&svg);
        draw(painter, plot, study, size, decimal);
    });
}

} // namespace linealidad
