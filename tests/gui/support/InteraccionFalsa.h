#pragma once

#include "app/Interaccion.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>

#include <functional>

namespace linealidad::prueba {

// The dialogs of the program, answered by the test: every text shown is recorded; questions
// and file dialogs get the answers set beforehand.
class InteraccionFalsa : public Interaccion {
public:
    QStringList mensajes;
    QStringList errores;
    QStringList preguntas;
    QList<DialogoArchivo> dialogos;
    bool respuesta = false;          // Yes to every question when true
    QString archivoAbrir;            // the file the open dialog returns; empty: cancelled
    QString archivoGuardar;          // the file the save dialog returns; empty: cancelled
    std::function<void()> alMostrar; // runs while a message box "is open"
    QString archivoImagen;           // the file the image dialog returns; empty: cancelled
    QString archivoImpresion;        // the PDF file "printed" to; empty: print dialog cancelled
    QStringList modales;             // the windows shown modally, by object name
    // Answers a modal window in place of its user; without it the window is shown non-modally
    // (so the test can look at it and close it) and the call returns at once with Rejected.
    std::function<int(QDialog&)> alMostrarModal;

    void mensaje(const QString& texto) override {
        mensajes << texto;
        if (alMostrar)
            alMostrar();
    }
    bool pregunta(const QString& titulo, const QString& texto) override {
        preguntas << titulo + QLatin1Char('|') + texto;
        return respuesta;
    }
    void error(const QString& texto) override {
        errores << texto;
        if (alMostrar)
            alMostrar();
    }
    QString abrirArchivo(const DialogoArchivo& d) override {
        dialogos << d;
        return archivoAbrir;
    }
    QString guardarArchivo(const DialogoArchivo& d) override {
        dialogos << d;
        return archivoGuardar;
    }
    QString guardarImagen(const DialogoArchivo& d) override {
        dialogos << d;
        return archivoImagen;
    }
    bool dialogoImpresion(QPrinter& impresora) override {
        if (archivoImpresion.isEmpty())
            return false;
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(archivoImpresion);
        return true;
    }
    int muestraModal(QDialog& ventana) override {
        modales << ventana.objectName();
        if (alMostrarModal)
            return alMostrarModal(ventana);
        ventana.show();
        return QDialog::Rejected;
    }
};

} // namespace linealidad::prueba
