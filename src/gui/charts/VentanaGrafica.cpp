#include "charts/VentanaGrafica.h"

#include "app/EjecutaComando.h"
#include "app/Hint.h"
#include "app/Interaccion.h"
#include "app/Regional.h"
#include "app/helpcons.h"
#include "charts/AnfitrionGrafica.h"
#include "charts/CajaDibujo.h"
#include "charts/CanvasQt.h"
#include "charts/TOptionsDlg.h"
#include "study/FileAccess.h"

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
constexpr int kPuntosPorPulgada = 600;
// Images and PDF documents have the screen's pixels.
constexpr int kPuntosPantalla = 96;

const QString kSinImpresion = QStringLiteral("No se pudo iniciar la impresión");

} // namespace

VentanaGrafica::VentanaGrafica(PlotKind kind, const NombresGrafica& nombres,
                               AnfitrionGrafica& anfitrion, TOptionsDlg& opciones, QWidget* parent)
    : QDialog(parent), plot_(kind), anfitrion_(anfitrion), OptionsDlg_(opciones) {
    setObjectName(QString::fromLatin1(nombres.ventana));
    setWindowTitle(QString::fromUtf8(nombres.titulo));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setProperty("contextoAyuda", ayuda::kGrafica);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(10);
    setFont(arial);
    resize(nombres.tamano);

    caja_ = new CajaDibujo(this);
    caja_->setObjectName(QString::fromLatin1(nombres.caja));
    caja_->setToolTip(hintCorto(kHint));
    caja_->setStatusTip(hintLargo(kHint));
    caja_->setContextMenuPolicy(Qt::CustomContextMenu);
    caja_->alPintar = [this](QPainter& painter) { PBP(painter); };
    auto* marco = new QVBoxLayout(this);
    marco->setContentsMargins(0, 0, 0, 0);
    marco->addWidget(caja_);

    creaMenu(nombres);
    connect(caja_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& donde) { menu_->popup(caja_->mapToGlobal(donde)); });

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this,
            [this] { anfitrion_.muestraAyuda(ayuda::kGrafica, this); });

    FormCreate();
}

QAction* VentanaGrafica::item(const char* nombre, const QString& titulo,
                              void (VentanaGrafica::*comando)()) {
    QAction* a = menu_->addAction(titulo);
    a->setObjectName(QString::fromLatin1(nombre));
    connect(a, &QAction::triggered, this, comando);
    return a;
}

void VentanaGrafica::creaMenu(const NombresGrafica& nombres) {
    menu_ = new QMenu(this);
    menu_->setObjectName(QString::fromLatin1(nombres.menu));
    item(nombres.opciones, QStringLiteral("&Opciones"), &VentanaGrafica::opcionesClick);
    item(nombres.imprime, QStringLiteral("&Imprimir"), &VentanaGrafica::imprimeClick);
    item(nombres.guardaImagen, QStringLiteral("&Guardar imagen..."),
         &VentanaGrafica::guardaImagenClick);
    menu_->addSeparator()->setObjectName(QString::fromLatin1(nombres.separador));
    item(nombres.cierra, QStringLiteral("&Cerrar"), &VentanaGrafica::cierraClick);
}

QWidget* VentanaGrafica::PlotterBox() const {
    return caja_;
}

char VentanaGrafica::decimal() const {
    return separadorDecimal();
}

void VentanaGrafica::FormCreate() {
    ClearPlot();
}

void VentanaGrafica::FormClose() {
    ClearPlot();
}

void VentanaGrafica::ClearPlot() {
    plot_.model().ClearPlot();
    fallo_ = false;
}

void VentanaGrafica::muestraModal() {
    anfitrion_.interaccion().muestraModal(*this);
}

void VentanaGrafica::RedrawPlot() {
    caja_->update();
}

void VentanaGrafica::done(int resultado) {
    FormClose();
    QDialog::done(resultado);
}

// The paint box's hint goes to the main window's status line, as every other hint does.
bool VentanaGrafica::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && parentWidget()) {
        QStatusTipEvent copia(static_cast<QStatusTipEvent*>(event)->tip());
        QCoreApplication::sendEvent(parentWidget(), &copia);
        return true;
    }
    return QDialog::event(event);
}

// --- drawing ---------------------------------------------------------------------------------

// Every paint draws the whole chart. A fault (typed limits that make no axis, a study the
// engine cannot fit) blanks the box and is reported once, after the paint has ended.
void VentanaGrafica::PBP(QPainter& painter) {
    const QRect area = caja_->rect();
    const Study* estudio = anfitrion_.estudioGrafica();
    if (fallo_ || !estudio) {
        painter.fillRect(area, palette().window());
        return;
    }
    try {
        CanvasQt canvas(painter);
        plot_.RedrawPlot(canvas, area.width(), area.height(), *estudio, decimal());
    } catch (...) {
        fallo_ = true;
        painter.fillRect(area, palette().window());
        const std::exception_ptr fallo = std::current_exception();
        QTimer::singleShot(0, this, [this, fallo] { reportaFallo(fallo); });
    }
}

void VentanaGrafica::reportaFallo(std::exception_ptr fallo) {
    ejecutaComando(anfitrion_.interaccion(), [fallo] { std::rethrow_exception(fallo); });
}

QByteArray VentanaGrafica::imagenPng() {
    QImage imagen(caja_->size(), QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        QPainter painter(&imagen);
        CanvasQt canvas(painter);
        plot_.RedrawPlot(canvas, imagen.width(), imagen.height(), *anfitrion_.estudioGrafica(),
                         decimal());
    }
    QByteArray datos;
    QBuffer destino(&datos);
    destino.open(QIODevice::WriteOnly);
    imagen.save(&destino, "PNG");
    return datos;
}

// One page of the paint box's size, at the screen's resolution.
QByteArray VentanaGrafica::documentoPdf() {
    const QSize tamano = caja_->size();
    QByteArray datos;
    QBuffer destino(&datos);
    destino.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&destino);
        pdf.setTitle(windowTitle());
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setResolution(kPuntosPantalla);
        const QSizeF puntos = QSizeF(tamano) * 72.0 / kPuntosPantalla;
        pdf.setPageLayout(
            QPageLayout(QPageSize(puntos, QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        CanvasQt canvas(painter);
        plot_.RedrawPlot(canvas, tamano.width(), tamano.height(), *anfitrion_.estudioGrafica(),
                         decimal());
    }
    return datos;
}

// --- pop-up menu commands --------------------------------------------------------------------

// The chart's title, labels, last limits and grid go into the options dialog; on OK they come
// back in the dialog's order, and a limit that is not a number stops the copy there.
void VentanaGrafica::opcionesClick() {
    OptionsDlg_.muestra(optionsFromChart(plot_.model(), decimal()));
    if (anfitrion_.interaccion().muestraModal(OptionsDlg_) != QDialog::Accepted)
        return;
    const bool copiado = ejecutaComando(anfitrion_.interaccion(), [this] {
        applyOptions(plot_.model(), OptionsDlg_.opciones(), decimal());
    });
    if (!copiado)
        return;
    fallo_ = false;
    RedrawPlot();
}

// One landscape page through the system print dialog, drawn from the limits of the last
// screen drawing.
void VentanaGrafica::imprimeClick() {
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageOrientation(QPageLayout::Landscape);
    impresora.setDocName(windowTitle());
    if (!anfitrion_.interaccion().dialogoImpresion(impresora))
        return;
    const Study* estudio = anfitrion_.estudioGrafica();
    if (!estudio)
        return;
    impresora.setResolution(kPuntosPorPulgada);
    CursorEspera espera;
    ejecutaComando(anfitrion_.interaccion(), [&] {
        QPainter painter;
        if (!painter.begin(&impresora))
            throw Fault(kSinImpresion.toStdString());
        CanvasQt canvas(painter);
        plot_.PrintPlot(canvas, impresora.width(), impresora.height(), *estudio, decimal());
    });
}

// The chart as the window shows it, as a PNG image or a one-page PDF document (by the name's
// extension), written whole or not at all.
void VentanaGrafica::guardaImagenClick() {
    const QString ruta = anfitrion_.interaccion().guardarImagen(
        {QStringLiteral("Guardar imagen"), windowTitle() + QStringLiteral(".png")});
    if (ruta.isEmpty() || !anfitrion_.estudioGrafica())
        return;
    CursorEspera espera;
    ejecutaComando(anfitrion_.interaccion(), [&] {
        const bool pdf = ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
        const QByteArray datos = pdf ? documentoPdf() : imagenPng();
        replaceFileBytes(QFile::encodeName(ruta).toStdString(),
                         std::string_view(datos.constData(), static_cast<size_t>(datos.size())));
    });
}

void VentanaGrafica::cierraClick() {
    close();
}

} // namespace linealidad
