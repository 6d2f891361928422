#include "gui/widgets/PaintBox.h"

#include <QPainter>

namespace linealidad {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
    // Every paint draws the whole box, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (onPaint)
        onPaint(painter);
}

} // namespace linealidad
