#include "charts/CajaDibujo.h"

#include <QPainter>

namespace linealidad {

CajaDibujo::CajaDibujo(QWidget* parent) : QWidget(parent) {
    // Every paint draws the whole box, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CajaDibujo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (alPintar)
        alPintar(painter);
}

} // namespace linealidad
