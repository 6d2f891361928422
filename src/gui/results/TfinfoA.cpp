#include "results/TfinfoA.h"

#include "app/TMainForm.h"
#include "app/helpcons.h"
#include "results/ComandoResultado.h"
#include "results/TablaAnova.h"
#include "stats/CalculaAnova.h"
#include "study/TFinforma.h"
#include "widgets/StringGridModel.h"
#include "widgets/StringGridView.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QScrollArea>

namespace linealidad {
namespace {

// Runs `alSalir` when the focus leaves the grid for another control of its window.
class SalidaDeRejilla : public QObject {
public:
    SalidaDeRejilla(QWidget* rejilla, std::function<void()> alSalir)
        : QObject(rejilla), alSalir_(std::move(alSalir)) {
        rejilla->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto razon = static_cast<QFocusEvent*>(event)->reason();
            if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason)
                alSalir_();
        }
        return false;
    }

private:
    std::function<void()> alSalir_;
};

} // namespace

TfinfoA::TfinfoA(AnfitrionEstudio& anfitrion)
    : VentanaResultado(anfitrion, QStringLiteral("Análisis de la varianza"), QSize(601, 300),
                       ayuda::kAnova) {
    setObjectName(QStringLiteral("finfoA"));
    auto* contenido = new QWidget(this);
    contenido->setFixedSize(770, 201 + 245);

    modelo_ = new StringGridModel(celdas_, 0, 0, this);
    modelo_->setReadOnly(true);
    stganova_ = new StringGridView(contenido);
    stganova_->setObjectName(QStringLiteral("stganova"));
    stganova_->setGridModel(modelo_);
    stganova_->setDefaultColumnWidth(100);
    stganova_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stganova_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stganova_->setGeometry(0, 0, 770, 201);
    stganova_->setCurrentCell(0, 0);
    connect(stganova_, &StringGridView::keyPressed, this, &TfinfoA::stganovaKeyPress);
    new SalidaDeRejilla(stganova_, [this] { stganovaExit(); });

    memoa_ = memoFijo(contenido, "memoa");
    memoa_->setGeometry(0, 201, 770, 245);
    memoa_->setFrameStyle(QFrame::NoFrame);
    memoa_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));

    agregaMenuCerrar(contenido);
    agregaMenuCerrar(memoa_);
    // The table is wider than the window: the window scrolls to it, or is widened.
    auto* desplazable = new QScrollArea(this);
    desplazable->setWidget(contenido);
    desplazable->setFrameStyle(QFrame::NoFrame);
    setWidget(desplazable);
}

QString TfinfoA::oraciones() const {
    return memoa_->toPlainText();
}

// Tab moves between cells, but leaves the grid from its last cell.
void TfinfoA::stganovaKeyPress(QChar) {
    if (stganova_->col() == celdas_.colCount() - 1)
        stganova_->setTabMovesBetweenCells(stganova_->row() != celdas_.rowCount() - 1);
}

void TfinfoA::stganovaExit() {
    stganova_->setTabMovesBetweenCells(true);
    stganova_->setCurrentCell(stganova_->col(), 0);
}

void TfinfoA::mnuanovaClick(TMainForm& m) {
    ejecutaComandoResultado(m, [&m](const Study& estudio, char decimal) {
        CalculaAnova(estudio, decimal, m.anova, m.PendienteCero, m.residuales);
        if (avisaPendienteCero(m))
            return;
        auto* ventana = new TfinfoA(m);
        m.finfoA = ventana;
        ventana->stganova_->setColumnWidth(0, 170);
        const CeldasAnova celdas = celdasAnova(decimal, m.anova);
        for (int fila = 0; fila < kFilasAnova; ++fila)
            for (int col = 0; col < kColumnasAnova; ++col)
                ventana->celdas_.setCell(col, fila, celdas[fila][col]);
        ventana->modelo_->reload();
        ventana->stganova_->setCurrentCell(0, 0);
        for (const std::string& oracion : oracionesAnova(estudio, m.anova))
            ventana->memoa_->appendPlainText(QString::fromStdString(oracion));
        ventana->muestraEn(m.ClientArea());
    });
}

} // namespace linealidad
