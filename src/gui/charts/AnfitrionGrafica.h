#pragma once

class QWidget;

namespace linealidad {

class Interaccion;
struct Study;

// What a chart window asks of the main window that holds it.
class AnfitrionGrafica {
public:
    virtual ~AnfitrionGrafica() = default;

    virtual Interaccion& interaccion() = 0;
    // The study the chart shows (the one study window's); null when there is none.
    virtual const Study* estudioGrafica() const = 0;
    // Opens help at the topic of a context number, usable from the modal window `desde`.
    virtual void muestraAyuda(int contexto, QWidget* desde) = 0;
};

} // namespace linealidad
