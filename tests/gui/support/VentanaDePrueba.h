#pragma once

#include "app/Regional.h"
#include "app/TMainForm.h"
#include "gui/support/InteraccionFalsa.h"
#include "study/TFinforma.h"
#include "support/EstudiosDePrueba.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

#include <memory>

namespace linealidad::prueba {

// A main window shown and active, with its dialogs answered by an InteraccionFalsa.
struct VentanaDePrueba {
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
    InteraccionFalsa* dialogos = nullptr;
    bool activa = false; // the window became active (focus changes are reported only then)

    VentanaDePrueba() {
        fijaSeparadorDecimal('.');
        auto falsa = std::make_unique<InteraccionFalsa>();
        dialogos = falsa.get();
        form->setInteraccion(std::move(falsa));
        form->resize(1000, 700);
        form->show();
        QApplication::setActiveWindow(form.get());
        activa = QTest::qWaitForWindowActive(form.get());
    }

    QAction* accion(const char* nombre) const {
        return form->findChild<QAction*>(QString::fromLatin1(nombre));
    }
    bool activo(const char* nombre) const { return accion(nombre)->isEnabled(); }

    template <typename T> T* control(const char* nombre) const {
        return form->Finforma ? form->Finforma->findChild<T*>(QString::fromLatin1(nombre))
                              : nullptr;
    }
    QLineEdit* caja(const char* nombre) const { return control<QLineEdit>(nombre); }

    // Runs the deferred work (messages of failed checks) and returns the widget with the focus.
    static QWidget* foco() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return QApplication::focusWidget();
    }
};

// A main window with `estudio` in its study window.
struct ConEstudio : VentanaDePrueba {
    explicit ConEstudio(const Study& estudio = ejemploTrabajado()) {
        form->FileNew();
        foco();
        form->Finforma->cargaEstudio(estudio);
    }
    int ventanas() const { return static_cast<int>(form->ClientArea()->subWindowList().size()); }
};

// No window of a test is left behind: every visible top-level window was closed.
inline bool sinVentanasSueltas() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return false;
    return true;
}

} // namespace linealidad::prueba
