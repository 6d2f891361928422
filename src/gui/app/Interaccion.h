#pragma once

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace linealidad {

// The title of the application, of its message boxes and of the generic error report.
inline const QString kTituloAplicacion =
    QStringLiteral("Linealidad y Precisión del Sistema de Medición");

// A file dialog as the program describes it.
struct DialogoArchivo {
    QString titulo;
    QString nombreInicial; // empty: none
};

// Every message box, question box and file dialog of the program goes through this interface,
// so tests replace it and run without blocking.
class Interaccion {
public:
    virtual ~Interaccion() = default;

    // A message box with an OK button.
    virtual void mensaje(const QString& texto) = 0;
    // A Yes/No question box with a question icon and No as the default button; true for Yes.
    virtual bool pregunta(const QString& titulo, const QString& texto) = 0;
    // The generic error report: stop icon, OK button, the application's title.
    virtual void error(const QString& texto) = 0;
    // The open and save dialogs of study files; an empty name when cancelled.
    virtual QString abrirArchivo(const DialogoArchivo& dialogo) = 0;
    virtual QString guardarArchivo(const DialogoArchivo& dialogo) = 0;
    // The save dialog of a chart image, PNG or PDF; an empty name when cancelled.
    virtual QString guardarImagen(const DialogoArchivo& dialogo) = 0;
    // The system print dialog for `impresora`; true when the analyst confirmed it.
    virtual bool dialogoImpresion(QPrinter& impresora) = 0;
    // Shows a window modally and returns its result once it is closed.
    virtual int muestraModal(QDialog& ventana) = 0;
};

// The dialogs of the platform, parented to `ventana`.
class InteraccionQt : public Interaccion {
public:
    explicit InteraccionQt(QWidget* ventana) : ventana_(ventana) {}

    void mensaje(const QString& texto) override;
    bool pregunta(const QString& titulo, const QString& texto) override;
    void error(const QString& texto) override;
    QString abrirArchivo(const DialogoArchivo& dialogo) override;
    QString guardarArchivo(const DialogoArchivo& dialogo) override;
    QString guardarImagen(const DialogoArchivo& dialogo) override;
    bool dialogoImpresion(QPrinter& impresora) override;
    int muestraModal(QDialog& ventana) override;

private:
    QWidget* ventana_;
};

} // namespace linealidad
