#include "app/Interaccion.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace linealidad {
namespace {

const QString kFiltroW02 = QStringLiteral("Tarvel v. w3.0 (*.w02)");
const QString kFiltroTxt = QStringLiteral("Archivo de Texto (*.txt)");
const QString kFiltroPng = QStringLiteral("Imagen PNG (*.png)");
const QString kFiltroPdf = QStringLiteral("Documento PDF (*.pdf)");

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

// The chart image dialog: PNG or PDF, the extension following the chosen filter when the name
// has none.
QString InteraccionQt::guardarImagen(const DialogoArchivo& d) {
    QFileDialog dialogo(padre(ventana_), d.titulo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilters({kFiltroPng, kFiltroPdf});
    dialogo.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                     [&dialogo](const QString& f) {
                         dialogo.setDefaultSuffix(f == kFiltroPdf ? QStringLiteral("pdf")
                                                                  : QStringLiteral("png"));
                     });
    if (!d.nombreInicial.isEmpty())
        dialogo.selectFile(d.nombreInicial);
    if (dialogo.exec() != QDialog::Accepted)
        return {};
    return dialogo.selectedFiles().value(0);
}

bool InteraccionQt::dialogoImpresion(QPrinter& impresora) {
    QPrintDialog dialogo(&impresora, padre(ventana_));
    return dialogo.exec() == QDialog::Accepted;
}

int InteraccionQt::muestraModal(QDialog& ventana) {
    return ventana.exec();
}

} // namespace linealidad
