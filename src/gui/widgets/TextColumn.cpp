#include "gui/widgets/TextColumn.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace linealidad {
namespace {

// The blank a text document leaves around its text.
constexpr qreal kDocumentMargin = 4;

} // namespace

TextColumn::TextColumn(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::IBeamCursor);
}

void TextColumn::setLines(QStringList lines) {
    lines_ = std::move(lines);
    update();
}

QString TextColumn::text() const {
    return lines_.join(QLatin1Char('\n'));
}

qreal TextColumn::linePitch() const {
    const QFontMetricsF metrics(font(), this);
    return std::ceil(metrics.ascent() + metrics.descent() + std::max<qreal>(0, metrics.leading()));
}

qreal TextColumn::baseline() const {
    const QFontMetricsF metrics(font(), this);
    return metrics.ascent() + std::max<qreal>(0, metrics.leading());
}

int TextColumn::heightForAllLines() const {
    return static_cast<int>(std::ceil(lineCount() * linePitch() + 2 * kDocumentMargin)) +
           2 * frameWidth();
}

void TextColumn::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRect inside = contentsRect();
    QPainter painter(this);
    painter.fillRect(inside & event->rect(), palette().brush(QPalette::Base));
    painter.setClipRect(inside & event->rect());
    painter.setPen(palette().color(QPalette::Text));

    const qreal top = inside.top() + kDocumentMargin;
    const qreal pitch = linePitch();
    const auto first = static_cast<int>(std::max<qreal>(0, (event->rect().top() - top) / pitch));
    const auto last = std::min(lineCount() - 1,
                               static_cast<int>(std::ceil((event->rect().bottom() - top) / pitch)));
    const qreal base = baseline();
    for (int k = first; k <= last; ++k)
        painter.drawText(QPointF(inside.left() + kDocumentMargin, top + k * pitch + base),
                         lines_[k]);
}

} // namespace linealidad
