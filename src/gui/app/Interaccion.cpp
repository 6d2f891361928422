#include "app/Interaccion.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace linealidad {
namespace {

const QString kFiltroW02 = QStringLiteral("Tarvel v. w3.0 (*.w02)");
const QString kFiltroTxt = QStringLiteral("Archivo de Texto (*.txt)");

QWidget* padre(QWidget* ventana) {
    QWidget* activa = QApplication::activeModalWidget();
    return activa ? activa : ventana;
}

// The study-file dialog: both filters, the default extension following the chosen filter
// (".w02" unless the text filter is chosen). Opening needs an existing file; saving over an
// existing file asks first.
QString dialogoEstudio(QWidget* ventana, const DialogoArchivo& d, QFileDialog::AcceptMode modo) {
    QFileDialog dialogo(padre(ventana), d.titulo);
    dialogo.setAcceptMode(modo);
    dialogo.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialogo.setNameFilters({kFiltroW02, kFiltroTxt});
    dialogo.setDefaultSuffix(QStringLiteral("w02"));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                     [&dialogo](const QString& f) {
                         dialogo.setDefaultSuffix(f == kFiltroTxt ? QStringLiteral("txt")
                                                                  : QStringLiteral("w02"));
                     });
    if (!d.nombreInicial.isEmpty())
        dialogo.selectFile(d.nombreInicial);
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    return dialogo.selectedFiles().value(0);
}

} // namespace

void InteraccionQt::mensaje(const QString& texto) {
    QMessageBox caja(QMessageBox::NoIcon, kTituloAplicacion, texto, QMessageBox::Ok,
                     padre(ventana_));
    caja.exec();
}

bool InteraccionQt::pregunta(const QString& titulo, const QString& texto) {
    QMessageBox caja(QMessageBox::Question, titulo, texto, QMessageBox::Yes | QMessageBox::No,
                     padre(ventana_));
    caja.setDefaultButton(QMessageBox::No);
    return caja.exec() == QMessageBox::Yes;
}

void InteraccionQt::error(const QString& texto) {
    QMessageBox caja(QMessageBox::Critical, kTituloAplicacion, texto, QMessageBox::Ok,
                     padre(ventana_));
    caja.exec();
}

QString InteraccionQt::abrirArchivo(const DialogoArchivo& d) {
    return dialogoEstudio(ventana_, d, QFileDialog::AcceptOpen);
}

QString InteraccionQt::guardarArchivo(const DialogoArchivo& d) {
    return dialogoEstudio(ventana_, d, QFileDialog::AcceptSave);
}

} // namespace linealidad
