#pragma once

#include "charts/Plot.h"

#include <QDialog>

#include <exception>

class QAction;
class QMenu;
class QPainter;
class QSize;

namespace linealidad {

class AnfitrionGrafica;
class CajaDibujo;
class TOptionsDlg;

// What sets the two chart windows apart: their names, caption and size, and the names of the
// paint box and of the pop-up menu and its items.
struct NombresGrafica {
    const char* ventana;
    const char* titulo;
    QSize tamano;
    const char* caja;
    const char* menu;
    const char* opciones;
    const char* imprime;
    const char* guardaImagen;
    const char* separador;
    const char* cierra;
};

// A chart window: a paint box drawn by its own chart, and a right-click pop-up menu with the
// options dialog, printing, saving an image and closing. Each window has its own chart (model,
// limits, geometry); only the options dialog is shared. Created once with the main window,
// hidden when closed, and shown modally by the command that fills it.
class VentanaGrafica : public QDialog {
    Q_OBJECT
public:
    Plot& plot() { return plot_; }
    const Plot& plot() const { return plot_; }

    // Empties the chart (curves, limits, grid strength; title and labels stay).
    void ClearPlot();
    // Shows the window modally; returns when it is closed.
    void muestraModal();
    // Draws the chart again from its model.
    void RedrawPlot();

    QWidget* PlotterBox() const;
    QMenu* PlotterPopupMenu() const { return menu_; }

protected:
    VentanaGrafica(PlotKind kind, const NombresGrafica& nombres, AnfitrionGrafica& anfitrion,
                   TOptionsDlg& opciones, QWidget* parent);

    // The commands of the pop-up menu.
    void opcionesClick();
    void imprimeClick();
    void guardaImagenClick();
    void cierraClick();

    // Hiding the window ends it: the chart is cleared as when it was created.
    void done(int resultado) override;
    bool event(QEvent* event) override;

    AnfitrionGrafica& anfitrion() { return anfitrion_; }

private:
    void FormCreate();
    void FormClose();
    void reportaFallo(std::exception_ptr fallo);
    void PBP(QPainter& painter);
    void creaMenu(const NombresGrafica& nombres);
    QAction* item(const char* nombre, const QString& titulo, void (VentanaGrafica::*comando)());
    // The screen drawing on an image or a PDF document of the paint box's size.
    QByteArray imagenPng();
    QByteArray documentoPdf();
    char decimal() const;

    Plot plot_;
    AnfitrionGrafica& anfitrion_;
    TOptionsDlg& OptionsDlg_;
    CajaDibujo* caja_ = nullptr;
    QMenu* menu_ = nullptr;
    // A drawing failed: the box stays blank until the chart changes, so the fault is reported
    // once instead of at every paint.
    bool fallo_ = false;
};

} // namespace linealidad
