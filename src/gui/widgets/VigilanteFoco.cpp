#include "widgets/VigilanteFoco.h"

#include "app/Interaccion.h"
#include "text/Errors.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <exception>

namespace linealidad {

VigilanteFoco::VigilanteFoco(QWidget* ventana, std::function<Interaccion&()> interaccion)
    : QObject(ventana), ventana_(ventana), interaccion_(std::move(interaccion)) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* ahora) { focoCambia(ahora); });
}

void VigilanteFoco::vigila(QWidget* control, Salida alSalir, Entrada alEntrar) {
    controles_.push_back({control, std::move(alSalir), std::move(alEntrar)});
}

const VigilanteFoco::Control* VigilanteFoco::controlDe(QWidget* widget) const {
    if (!widget || !ventana_->isAncestorOf(widget))
        return nullptr;
    for (const Control& c : controles_)
        if (c.widget == widget || c.widget->isAncestorOf(widget))
            return &c;
    return nullptr;
}

void VigilanteFoco::focoCambia(QWidget* ahora) {
    if (pausado_ || !ahora || (ahora != ventana_ && !ventana_->isAncestorOf(ahora)))
        return;
    const Control* nuevo = controlDe(ahora);
    if (activo_ && (!nuevo || nuevo->widget == activo_))
        return;
    const Control* anterior = controlDe(activo_);
    activo_ = nuevo ? nuevo->widget : nullptr;
    {
        Pausa pausa(*this);
        if (!anterior) {
            if (alEntrarEnVentana_)
                alEntrarEnVentana_();
        } else if (sale(*anterior) && nuevo) {
            entra(*nuevo);
        }
    }
    if (const Control* actual = controlDe(QApplication::focusWidget()))
        activo_ = actual->widget;
}

bool VigilanteFoco::sale(const Control& control) {
    if (!control.alSalir)
        return true;
    try {
        return control.alSalir();
    } catch (const std::exception& e) {
        enfoca(control.widget);
        muestraDespues(QString::fromStdString(genericReportText(e.what())), true);
        return false;
    }
}

void VigilanteFoco::entra(const Control& control) {
    if (!control.alEntrar)
        return;
    try {
        control.alEntrar();
    } catch (const std::exception& e) {
        muestraDespues(QString::fromStdString(genericReportText(e.what())), true);
    }
}

bool VigilanteFoco::tomaFoco(QWidget* control) {
    if (activo_ != control)
        control->setFocus(Qt::MouseFocusReason);
    return activo_ == control;
}

void VigilanteFoco::enfoca(QWidget* control) {
    if (muestra_) {
        Pausa pausa(*this); // showing a page moves the focus on its own: not a user's move
        muestra_(control);
    }
    control->setFocus(Qt::OtherFocusReason);
}

void VigilanteFoco::rechaza(const QString& mensaje, QWidget* control) {
    enfoca(control);
    muestraDespues(mensaje, false);
}

void VigilanteFoco::muestraDespues(const QString& texto, bool esError) {
    QTimer::singleShot(0, this, [this, texto, esError] {
        Interaccion& i = interaccion_();
        if (esError)
            i.error(texto);
        else
            i.mensaje(texto);
    });
}

} // namespace linealidad
