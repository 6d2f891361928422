#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace linealidad {

class Interaccion;

// Runs the exit and enter handlers of a window's controls as the focus moves between them,
// the way the program checks what was typed: leaving a control runs its check; a check that
// fails sends the focus back, and then the control that was being reached gets no enter
// handler. Focus that goes to another window (a message box among them) and comes back fires
// nothing, so a message never triggers its own check again. Moves made by the handlers
// themselves fire nothing either.
class VigilanteFoco : public QObject {
    Q_OBJECT
public:
    // An exit check: false when it failed (and sent the focus back).
    using Salida = std::function<bool()>;
    using Entrada = std::function<void()>;

    VigilanteFoco(QWidget* ventana, std::function<Interaccion&()> interaccion);

    // A control of the window (with everything inside it) and its handlers.
    void vigila(QWidget* control, Salida alSalir = {}, Entrada alEntrar = {});
    // Runs when the focus first arrives in the window.
    void setAlEntrarEnVentana(Entrada entrada) { alEntrarEnVentana_ = std::move(entrada); }
    // Makes a control visible before it takes the focus (e.g. selects its page).
    void setMuestraControl(std::function<void(QWidget*)> muestra) { muestra_ = std::move(muestra); }

    QWidget* activo() const { return activo_; }

    // Gives the focus to `control` as a click would; false when the check of the control
    // being left refused it. Buttons that take no focus on a click call this first.
    bool tomaFoco(QWidget* control);
    // Shows `control` and gives it the focus; the handlers run unless a handler is moving it.
    void enfoca(QWidget* control);
    // A failed check: the focus goes back to `control` at once, and `mensaje` is shown as soon
    // as the focus change that caused it has finished (never in the middle of a click).
    void rechaza(const QString& mensaje, QWidget* control);

    // While an instance lives, focus changes fire no handler (the window is being filled).
    class Pausa {
    public:
        explicit Pausa(VigilanteFoco& v) : v_(v), antes_(v.pausado_) { v.pausado_ = true; }
        ~Pausa() { v_.pausado_ = antes_; }
        Pausa(const Pausa&) = delete;
        Pausa& operator=(const Pausa&) = delete;

    private:
        VigilanteFoco& v_;
        bool antes_;
    };

private:
    struct Control {
        QWidget* widget;
        Salida alSalir;
        Entrada alEntrar;
    };
    void focoCambia(QWidget* ahora);
    const Control* controlDe(QWidget* widget) const;
    bool sale(const Control& control);
    void entra(const Control& control);
    void muestraDespues(const QString& texto, bool esError);

    QWidget* ventana_;
    std::function<Interaccion&()> interaccion_;
    std::vector<Control> controles_;
    Entrada alEntrarEnVentana_;
    std::function<void(QWidget*)> muestra_;
    QWidget* activo_ = nullptr;
    bool pausado_ = false;
};

} // namespace linealidad
