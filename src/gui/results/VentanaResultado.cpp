#include "results/VentanaResultado.h"

#include "study/AnfitrionEstudio.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>

namespace linealidad {

VentanaResultado::VentanaResultado(AnfitrionEstudio& anfitrion, const QString& titulo,
                                   const QSize& tamano, int contextoAyuda)
    : anfitrion_(anfitrion) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titulo);
    setProperty("contextoAyuda", contextoAyuda);
    resize(tamano);
}

void VentanaResultado::muestraEn(QMdiArea* area) {
    area->addSubWindow(this);
    const QSize libre = area->viewport()->size();
    move(std::max(0, (libre.width() - width()) / 2), std::max(0, (libre.height() - height()) / 2));
    show();
}

void VentanaResultado::closeEvent(QCloseEvent* event) {
    const bool ultima = mdiArea() && mdiArea()->subWindowList().size() == 1;
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && ultima)
        anfitrion_.aplica(EventoEstudio::UltimaVentanaCierra);
}

QPlainTextEdit* VentanaResultado::memoFijo(QWidget* parent, const char* nombre) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(nombre));
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette fondo = memo->palette();
    fondo.setColor(QPalette::Base, fondo.color(QPalette::Button));
    memo->setPalette(fondo);
    return memo;
}

void VentanaResultado::agregaMenuCerrar(QWidget* widget) {
    auto* menu = new QMenu(widget);
    menu->addAction(QStringLiteral("cerrar"), this, &QWidget::close);
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, menu,
            [menu, widget](const QPoint& p) { menu->popup(widget->mapToGlobal(p)); });
}

QString unaPorLinea(const std::vector<std::string>& lineas) {
    QStringList texto;
    for (const std::string& l : lineas)
        texto << QString::fromStdString(l);
    return texto.join(QLatin1Char('\n'));
}

} // namespace linealidad
