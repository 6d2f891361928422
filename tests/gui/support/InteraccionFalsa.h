#pragma once

#include "app/Interaccion.h"

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
};

} // namespace linealidad::prueba
