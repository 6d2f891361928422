#pragma once

#include <QMdiSubWindow>

class QMdiArea;
class QPlainTextEdit;

namespace linealidad {

class AnfitrionEstudio;

// A result window: a child window of the main frame that holds only its text, independent of
// the study once written, destroyed when closed. Closing the last child window switches
// "&Nuevo" and "&Abrir..." back on.
class VentanaResultado : public QMdiSubWindow {
    Q_OBJECT
public:
    VentanaResultado(AnfitrionEstudio& anfitrion, const QString& titulo, const QSize& tamano,
                     int contextoAyuda);

    // Adds the window to the frame, centred, and shows it.
    void muestraEn(QMdiArea* area);

protected:
    void closeEvent(QCloseEvent* event) override;

    // A read-only text that cannot be selected or edited, with the button-face background.
    static QPlainTextEdit* memoFijo(QWidget* parent, const char* nombre);
    // A pop-up menu with the single item "cerrar", for `widget`.
    void agregaMenuCerrar(QWidget* widget);

private:
    AnfitrionEstudio& anfitrion_;
};

// Lines of text joined for a memo.
QString unaPorLinea(const std::vector<std::string>& lineas);

} // namespace linealidad
