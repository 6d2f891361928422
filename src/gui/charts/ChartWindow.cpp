#include "gui/charts/ChartWindow.h"

#include "core/study/FileAccess.h"
#include "gui/charts/TOptionsDlg.h"
#include "gui/common/CanvasQt.h"
#include "gui/common/ChartHost.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Hint.h"
#include "gui/common/RunCommand.h"
#include "gui/common/helpcons.h"
#include "gui/widgets/PaintBox.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace linealidad {
namespace {

const QString kHint = QStringLiteral("Botón derecho para opciones");

// Printed charts are laid out in printer pixels with fixed margins (R starts at 250, 400), which
// suit a printer of 600 dots per inch.
constexpr int kPointsPerInch = 600;
// Images and PDF documents have the screen's pixels.
constexpr int kScreenPoints = 96;

const QString kNoPrinting = QStringLiteral("No se pudo iniciar la impresión");

} // namespace

ChartWindow::ChartWindow(PlotKind kind, const ChartNames& names, ChartHost& host,
                         TOptionsDlg& options, QWidget* parent)
    : QDialog(parent), plot_(kind), host_(host), OptionsDlg_(options) {
    setObjectName(QString::fromLatin1(names.window));
    setWindowTitle(QString::fromUtf8(names.title));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setProperty("helpContext", help::kChart);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(10);
    setFont(arial);
    resize(names.size);

    box_ = new PaintBox(this);
    box_->setObjectName(QString::fromLatin1(names.box));
    box_->setToolTip(shortHint(kHint));
    box_->setStatusTip(longHint(kHint));
    box_->setContextMenuPolicy(Qt::CustomContextMenu);
    box_->onPaint = [this](QPainter& painter) { PBP(painter); };
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(box_);

    createMenu(names);
    connect(box_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& where) { menu_->popup(box_->mapToGlobal(where)); });

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { host_.showHelp(help::kChart, this); });

    FormCreate();
}

QAction* ChartWindow::item(const char* name, const QString& title, void (ChartWindow::*command)()) {
    QAction* a = menu_->addAction(title);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, command);
    return a;
}

void ChartWindow::createMenu(const ChartNames& names) {
    menu_ = new QMenu(this);
    menu_->setObjectName(QString::fromLatin1(names.menu));
    item(names.options, QStringLiteral("&Opciones"), &ChartWindow::optionsClick);
    item(names.printChart, QStringLiteral("&Imprimir"), &ChartWindow::printClick);
    item(names.saveImage, QStringLiteral("&Guardar imagen..."), &ChartWindow::saveImageClick);
    menu_->addSeparator()->setObjectName(QString::fromLatin1(names.separator));
    item(names.closeChart, QStringLiteral("&Cerrar"), &ChartWindow::closeClick);
}

QWidget* ChartWindow::PlotterBox() const {
    return box_;
}

char ChartWindow::decimal() const {
    return decimalSeparator();
}

void ChartWindow::FormCreate() {
    ClearPlot();
}

void ChartWindow::FormClose() {
    ClearPlot();
}

void ChartWindow::ClearPlot() {
    plot_.model().ClearPlot();
    failed_ = false;
}

void ChartWindow::showModal() {
    host_.dialogs().showModal(*this);
}

void ChartWindow::RedrawPlot() {
    box_->update();
}

void ChartWindow::done(int result) {
    FormClose();
    QDialog::done(result);
}

// The paint box's hint goes to the main window's status line, as every other hint does.
bool ChartWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && parentWidget()) {
        QStatusTipEvent copy(static_cast<QStatusTipEvent*>(event)->tip());
        QCoreApplication::sendEvent(parentWidget(), &copy);
        return true;
    }
    return QDialog::event(event);
}

// --- drawing ---------------------------------------------------------------------------------

// Every paint draws the whole chart. A fault (typed limits that make no axis, a study the
// engine cannot fit) blanks the box and is reported once, after the paint has ended.
void ChartWindow::PBP(QPainter& painter) {
    const QRect area = box_->rect();
    const Study* study = host_.chartStudy();
    if (failed_ || !study) {
        painter.fillRect(area, palette().window());
        return;
    }
    try {
        CanvasQt canvas(painter);
        plot_.RedrawPlot(canvas, area.width(), area.height(), *study, decimal());
    } catch (...) {
        failed_ = true;
        painter.fillRect(area, palette().window());
        const std::exception_ptr failure = std::current_exception();
        QTimer::singleShot(0, this, [this, failure] { reportFailure(failure); });
    }
}

void ChartWindow::reportFailure(std::exception_ptr failure) {
    runCommand(host_.dialogs(), [failure] { std::rethrow_exception(failure); });
}

QByteArray ChartWindow::pngImage() {
    QImage image(box_->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CanvasQt canvas(painter);
        plot_.RedrawPlot(canvas, image.width(), image.height(), *host_.chartStudy(), decimal());
    }
    QByteArray data;
    QBuffer target(&data);
    target.open(QIODevice::WriteOnly);
    image.save(&target, "PNG");
    return data;
}

// One page of the paint box's size, at the screen's resolution.
QByteArray ChartWindow::pdfDocument() {
    const QSize size = box_->size();
    QByteArray data;
    QBuffer target(&data);
    target.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&target);
        pdf.setTitle(windowTitle());
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setResolution(kScreenPoints);
        const QSizeF points = QSizeF(size) * 72.0 / kScreenPoints;
        pdf.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        CanvasQt canvas(painter);
        plot_.RedrawPlot(canvas, size.width(), size.height(), *host_.chartStudy(), decimal());
    }
    return data;
}

// --- pop-up menu commands --------------------------------------------------------------------

// The chart's title, labels, last limits and grid go into the options dialog; on OK they come
// back in the dialog's order, and a limit that is not a number stops the copy there.
void ChartWindow::optionsClick() {
    OptionsDlg_.display(optionsFromChart(plot_.model(), decimal()));
    if (host_.dialogs().showModal(OptionsDlg_) != QDialog::Accepted)
        return;
    const bool copied = runCommand(
        host_.dialogs(), [this] { applyOptions(plot_.model(), OptionsDlg_.options(), decimal()); });
    if (!copied)
        return;
    failed_ = false;
    RedrawPlot();
}

// One landscape page through the system print dialog, drawn from the limits of the last
// screen drawing.
void ChartWindow::printClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(windowTitle());
    if (!host_.dialogs().printDialog(printer))
        return;
    const Study* study = host_.chartStudy();
    if (!study)
        return;
    printer.setResolution(kPointsPerInch);
    WaitCursor wait;
    runCommand(host_.dialogs(), [&] {
        QPainter painter;
        if (!painter.begin(&printer))
            throw Fault(kNoPrinting.toStdString());
        CanvasQt canvas(painter);
        plot_.PrintPlot(canvas, printer.width(), printer.height(), *study, decimal());
    });
}

// The chart as the window shows it, as a PNG image or a one-page PDF document (by the name's
// extension), written whole or not at all.
void ChartWindow::saveImageClick() {
    const QString path = host_.dialogs().imageFileName(
        {QStringLiteral("Guardar imagen"), windowTitle() + QStringLiteral(".png")});
    if (path.isEmpty() || !host_.chartStudy())
        return;
    WaitCursor wait;
    runCommand(host_.dialogs(), [&] {
        const bool pdf = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
        const QByteArray data = pdf ? pdfDocument() : pngImage();
        replaceFileBytes(QFile::encodeName(path).toStdString(),
                         std::string_view(data.constData(), static_cast<size_t>(data.size())));
    });
}

void ChartWindow::closeClick() {
    close();
}

} // namespace linealidad
