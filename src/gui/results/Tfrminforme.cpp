#include "results/Tfrminforme.h"

#include "app/TMainForm.h"
#include "app/helpcons.h"
#include "results/ComandoResultado.h"
#include "results/Informe.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"
#include "study/TFinforma.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>

namespace linealidad {

Tfrminforme::Tfrminforme(AnfitrionEstudio& anfitrion)
    : VentanaResultado(anfitrion, QStringLiteral("Informe"), QSize(435, 300), ayuda::kInforme),
      mminforme_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frminforme"));
    mminforme_->setObjectName(QStringLiteral("mminforme"));
    mminforme_->setReadOnly(true);
    mminforme_->setLineWrapMode(QPlainTextEdit::NoWrap);
    mminforme_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mminforme_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mminforme_->setContextMenuPolicy(Qt::NoContextMenu);
    // The report lines are padded with blanks into columns: a fixed-pitch font keeps them.
    mminforme_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    mminforme_->installEventFilter(this);
    mminforme_->viewport()->installEventFilter(this);
    setWidget(mminforme_);
}

void Tfrminforme::agrega(const std::vector<std::string>& lineas) {
    for (const std::string& linea : lineas)
        mminforme_->appendPlainText(QString::fromStdString(linea));
    mminforme_->moveCursor(QTextCursor::Start);
}

QString Tfrminforme::texto() const {
    return mminforme_->toPlainText();
}

// A key or a mouse button in the text closes the window; the scroll bars are outside the
// text, so scrolling never does.
bool Tfrminforme::eventFilter(QObject* watched, QEvent* event) {
    const bool tecla = watched == mminforme_ && event->type() == QEvent::KeyPress;
    const bool boton =
        watched == mminforme_->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick);
    if (tecla || boton) {
        close();
        return true;
    }
    return VentanaResultado::eventFilter(watched, event);
}

void Tfrminforme::mnuinformeClick(TMainForm& m) {
    ejecutaComandoResultado(m, [&m](const Study& estudio, char decimal) {
        CalculaRegresion(estudio, decimal, m.regresion, m.PendienteCero);
        if (avisaPendienteCero(m))
            return;
        auto* ventana = new Tfrminforme(m);
        m.frminforme = ventana;
        // The first part is in the window before the analysis of variance runs: if that
        // faults, the window keeps it.
        ventana->agrega(informeEstudioEInferencia(estudio, decimal, m.regresion));
        ventana->muestraEn(m.ClientArea());
        CalculaAnova(estudio, decimal, m.anova, m.PendienteCero, m.residuales);
        ventana->agrega(
            informeVarianzaYResiduales(estudio, decimal, m.regresion, m.anova, m.residuales));
    });
}

} // namespace linealidad
