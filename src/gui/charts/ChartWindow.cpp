#include "gui/charts/ChartWindow.h"

#include "core/printing/PrintChart.h"
#include "core/study/FileAccess.h"
#include "gui/charts/ChartImage.h"
#include "gui/charts/ImageSizeDialog.h"
#include "gui/charts/TOptionsDlg.h"
#include "gui/common/CanvasQt.h"
#include "gui/common/ChartHost.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Hint.h"
#include "gui/common/LabName.h"
#include "gui/common/LocalPath.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrintStampNow.h"
#include "gui/common/RunCommand.h"
#include "gui/common/WindowKeys.h"
#include "gui/common/helpcons.h"
#include "gui/widgets/PaintBox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace linealidad {
namespace {

const QString kHint = QStringLiteral("Botón derecho para opciones");

// Printed charts are laid out in printer pixels with fixed margins (R starts at 250, 400), which
// suit a printer of 600 dots per inch.
constexpr int kPointsPerInch = 600;

// The smallest chart text: the desktop's small font when it has one smaller than its general
// font, never below 8 points; otherwise 8 points. Without a desktop theme Qt reports the general
// font (12 points) as the smallest readable, which would hold every chart text at the size of a
// window's text however large the chart.
double textFloorPoints() {
    const qreal small = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont).pointSizeF();
    const qreal general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF();
    if (small > 0 && small < general)
        return std::max(kDefaultTextFloorPoints, double(small));
    return kDefaultTextFloorPoints;
}

} // namespace

ChartWindow::ChartWindow(PlotKind kind, const ChartNames& names, ChartHost& host,
                         TOptionsDlg& options, QWidget* parent)
    : QDialog(parent), plot_(kind), host_(host), OptionsDlg_(options) {
    setObjectName(QString::fromLatin1(names.window));
    setWindowTitle(QString::fromUtf8(names.title));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setProperty(kHelpContextProperty, help::kChart);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(10);
    setFont(arial);
    smallest_ = names.size;
    setMinimumSize(smallest_);
    resize(smallest_);
    imageSize_ = ImageSizeDialog::kReportSize;
    plot_.setTextFloor(textFloorPoints());

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
    popupWithKeys(*this, *menu_, [this] { return box_->geometry().center(); });

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

void ChartWindow::openFromHost(ChartCommand command) {
    const bool filled =
        runStudyCommand(host_, [&](const Study& study, char decimal, ResultSet& results) {
            ClearPlot();
            command(study, decimal, results, plot_.model());
        });
    if (filled)
        showModal();
}

void ChartWindow::showModal() {
    plot_.model().LabName = userLabName().toStdString();
    if (!sized_) {
        resize(openingSize());
        sized_ = true;
    }
    host_.dialogs().showModal(*this);
}

QSize ChartWindow::openingSize() const {
    const QWidget* owner = parentWidget() ? parentWidget() : this;
    const QScreen* screen = owner->screen();
    if (!screen)
        return smallest_;
    return (screen->availableGeometry().size() * 3 / 4).expandedTo(smallest_);
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

QByteArray ChartWindow::imageFile(ChartImageFormat format, QSize size, const Study& study) {
    switch (format) {
    case ChartImageFormat::Pdf:
        return chartPdf(plot_, study, size,
                        studyMetadata(study, printStampNow(host_.savedStudyFile())), decimal());
    case ChartImageFormat::Svg:
        return chartSvg(plot_, study, size, windowTitle(), decimal());
    case ChartImageFormat::WindowPng:
    case ChartImageFormat::SizedPng:
        break;
    }
    return chartPng(plot_, study, size, decimal());
}

// --- pop-up menu commands --------------------------------------------------------------------

// The chart's title, labels, last limits and grid go into the options dialog; on OK they come
// back in the dialog's order, and a limit that is not a number stops the copy there. The one
// dialog both charts share becomes the child of the chart that opens it.
void ChartWindow::optionsClick() {
    if (OptionsDlg_.parentWidget() != this)
        OptionsDlg_.setParent(this, OptionsDlg_.windowFlags());
    OptionsDlg_.display(optionsFromChart(plot_.model(), decimal()));
    const PlotOptions shown = OptionsDlg_.options(); // as its boxes hold them
    if (host_.dialogs().showModal(OptionsDlg_) != QDialog::Accepted)
        return;
    const PlotOptions chosen = OptionsDlg_.options();
    // The titles are saved with the study: changing them is changing it.
    if (chosen.TitleEdit != shown.TitleEdit || chosen.XLblEdit != shown.XLblEdit ||
        chosen.YLblEdit != shown.YLblEdit)
        host_.markModified();
    const bool copied =
        runCommand(host_.dialogs(), [&] { applyOptions(plot_.model(), chosen, decimal()); });
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
    if (!host_.dialogs().printDialog(printer, this))
        return;
    const Study* study = host_.chartStudy();
    if (!study)
        return;
    printer.setResolution(kPointsPerInch);
    WaitCursor wait;
    const PrintStamp stamp = printStampNow(host_.savedStudyFile());
    runCommand(host_.dialogs(), [&] {
        printThrough(printer, studyMetadata(*study, stamp), [&](PrintDocument& document) {
            printChart(document, plot_, *study, decimal(), stamp);
        });
    });
}

// The chart as the window shows it, as a PNG image, a one-page PDF document or an SVG drawing;
// or as a PNG image of a size asked for (for a report). Written whole or not at all.
void ChartWindow::saveImageClick() {
    const ChartImageTarget target = host_.dialogs().imageFileName(
        {QStringLiteral("Guardar imagen"), windowTitle() + QStringLiteral(".png")}, this);
    const Study* study = host_.chartStudy();
    if (target.path.isEmpty() || !study)
        return;
    QSize size = box_->size();
    if (target.format == ChartImageFormat::SizedPng) {
        ImageSizeDialog ask(this);
        ask.setImageSize(imageSize_);
        if (host_.dialogs().showModal(ask) != QDialog::Accepted)
            return;
        size = imageSize_ = ask.imageSize();
    }
    WaitCursor wait;
    runCommand(host_.dialogs(), [&] {
        const QByteArray data = imageFile(target.format, size, *study);
        replaceFileBytes(localPath(target.path),
                         std::string_view(data.constData(), static_cast<size_t>(data.size())));
    });
}

void ChartWindow::closeClick() {
    close();
}

} // namespace linealidad
