#include "gui/common/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace linealidad {
namespace {

const QString kW02Filter = QStringLiteral("Tarvel v. w3.0 (*.w02)");
const QString kTxtFilter = QStringLiteral("Archivo de Texto (*.txt)");
const QString kTableFilter = QStringLiteral("Tabla (*.csv *.tsv *.txt)");
const QString kAnyFilter = QStringLiteral("Todos los archivos (*)");
const QString kPngFilter = QStringLiteral("Imagen PNG (*.png)");
const QString kPdfFilter = QStringLiteral("Documento PDF (*.pdf)");

QWidget* padre(QWidget* window) {
    QWidget* active = QApplication::activeModalWidget();
    return active ? active : window;
}

// The study-file dialog: both filters, the default extension following the chosen filter
// (".w02" unless the text filter is chosen). Opening needs an existing file; saving over an
// existing file asks first.
QString studyDialog(QWidget* window, const FileDialogSpec& d, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(padre(window), d.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters({kW02Filter, kTxtFilter});
    dialog.setDefaultSuffix(QStringLiteral("w02"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f == kTxtFilter ? QStringLiteral("txt") : QStringLiteral("w02"));
    });
    if (!d.initialName.isEmpty())
        dialog.selectFile(d.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, padre(window_));
    box.exec();
}

bool QtDialogs::question(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    padre(window_));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// The buttons are named here rather than left to the translation of the standard buttons:
// "Cancelar" is the text the analyst is told about.
Dialogs::Answer QtDialogs::questionOrCancel(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, padre(window_));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void QtDialogs::error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, text, QMessageBox::Ok,
                    padre(window_));
    box.exec();
}

QString QtDialogs::openFileName(const FileDialogSpec& d) {
    return studyDialog(window_, d, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(const FileDialogSpec& d) {
    return studyDialog(window_, d, QFileDialog::AcceptSave);
}

QString QtDialogs::tableFileName(const FileDialogSpec& d) {
    QFileDialog dialog(padre(window_), d.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({kTableFilter, kAnyFilter});
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

// The chart image dialog: PNG or PDF, the extension following the chosen filter when the name
// has none.
QString QtDialogs::imageFileName(const FileDialogSpec& d) {
    QFileDialog dialog(padre(window_), d.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({kPngFilter, kPdfFilter});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f == kPdfFilter ? QStringLiteral("pdf") : QStringLiteral("png"));
    });
    if (!d.initialName.isEmpty())
        dialog.selectFile(d.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool QtDialogs::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, padre(window_));
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::showModal(QDialog& window) {
    return window.exec();
}

} // namespace linealidad
