#include "app/EjecutaComando.h"

#include "app/Interaccion.h"
#include "text/Errors.h"

#include <QApplication>
#include <QCursor>

#include <exception>
#include <new>

namespace linealidad {

bool ejecutaComando(Interaccion& interaccion, const std::function<void()>& comando) {
    QString mensaje;
    try {
        comando();
        return true;
    } catch (const std::bad_alloc&) {
        mensaje = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        mensaje = QString::fromUtf8(e.what());
    }
    interaccion.error(QString::fromStdString(genericReportText(mensaje.toStdString())));
    return false;
}

CursorEspera::CursorEspera() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

CursorEspera::~CursorEspera() {
    QApplication::restoreOverrideCursor();
}

} // namespace linealidad
