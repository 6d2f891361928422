#include "gui/common/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace linealidad {
namespace {

const QString kW02Filter = QStringLiteral("Tarvel v. w3.0 (*.w02)");
const QString kTxtFilter = QStringLiteral("Archivo de Texto (*.txt)");
const QString kTableFilter = QStringLiteral("Tabla (*.csv *.tsv *.txt)");
const QString kAnyFilter = QStringLiteral("Todos los archivos (*)");
const QString kPngFilter = QStringLiteral("Imagen PNG del tamaño de la ventana (*.png)");
const QString kSizedPngFilter = QStringLiteral("Imagen PNG de otro tamaño (*.png)");
const QString kPdfFilter = QStringLiteral("Documento PDF (*.pdf)");
const QString kSvgFilter = QStringLiteral("Dibujo SVG (*.svg)");

// Room for a title bar's icon and buttons beside its text.
constexpr int kTitleBarRoom = 140;

// A message box as wide as its title: window managers cut a title longer than the window
// ("Linealidad y Prec... ma de Medición").
void widenForTitle(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

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
    widenForTitle(box);
    box.exec();
}

bool QtDialogs::question(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    padre(window_));
    box.setDefaultButton(QMessageBox::No);
    widenForTitle(box);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::confirm(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    padre(window_));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    box.setDefaultButton(QMessageBox::Yes);
    widenForTitle(box);
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
    widenForTitle(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

// In front of the main window and with the focus, so a start-up never waits on a hidden box.
Dialogs::RecoveryChoice QtDialogs::recoveryOffer(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, padre(window_));
    QPushButton* recover = box.addButton(QStringLiteral("&Recuperar"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("&Descartar"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(QStringLiteral("Más &tarde"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
    if (box.clickedButton() == recover)
        return RecoveryChoice::Recover;
    if (box.clickedButton() == discard)
        return RecoveryChoice::Discard;
    return RecoveryChoice::Later;
}

void QtDialogs::error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, text, QMessageBox::Ok,
                    padre(window_));
    widenForTitle(box);
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

ChartImageFormat imageFormatFor(const QString& path, ChartImageFormat chosen) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ChartImageFormat::Pdf;
    if (suffix == QLatin1String("svg"))
        return ChartImageFormat::Svg;
    if (suffix == QLatin1String("png") && chosen != ChartImageFormat::SizedPng)
        return ChartImageFormat::WindowPng;
    return chosen;
}

// The chart image dialog: one filter per form, the extension following the chosen filter when
// the name has none.
ChartImageTarget QtDialogs::imageFileName(const FileDialogSpec& d, QWidget* parent) {
    struct Filter {
        QString text;
        QString suffix;
        ChartImageFormat format;
    };
    const QList<Filter> filters{
        {kPngFilter, QStringLiteral("png"), ChartImageFormat::WindowPng},
        {kSizedPngFilter, QStringLiteral("png"), ChartImageFormat::SizedPng},
        {kPdfFilter, QStringLiteral("pdf"), ChartImageFormat::Pdf},
        {kSvgFilter, QStringLiteral("svg"), ChartImageFormat::Svg},
    };
    QFileDialog dialog(parent ? parent : padre(window_), d.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList texts;
    for (const Filter& f : filters)
        texts << f.text;
    dialog.setNameFilters(texts);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& text) {
        for (const Filter& f : filters)
            if (f.text == text)
                dialog.setDefaultSuffix(f.suffix);
    });
    if (!d.initialName.isEmpty())
        dialog.selectFile(d.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    ChartImageFormat chosen = ChartImageFormat::WindowPng;
    for (const Filter& f : filters)
        if (f.text == dialog.selectedNameFilter())
            chosen = f.format;
    const QString path = dialog.selectedFiles().value(0);
    return {path, imageFormatFor(path, chosen)};
}

bool QtDialogs::printDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent ? parent : padre(window_));
    return dialog.exec() == QDialog::Accepted;
}

QString QtDialogs::pdfFileName(const FileDialogSpec& d, QWidget* parent) {
    QFileDialog dialog(parent ? parent : padre(window_), d.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({kPdfFilter, kAnyFilter});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (!d.initialName.isEmpty())
        dialog.selectFile(d.initialName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

int QtDialogs::showModal(QDialog& window) {
    return window.exec();
}

} // namespace linealidad
