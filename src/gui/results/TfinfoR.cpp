#include "results/TfinfoR.h"

#include "app/TMainForm.h"
#include "app/helpcons.h"
#include "results/ColumnasResiduales.h"
#include "results/ComandoResultado.h"
#include "stats/CalculaAnova.h"
#include "study/TFinforma.h"

#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScrollArea>

namespace linealidad {
namespace {

constexpr int kArriba = 24;      // top of the memos
constexpr int kAltoMinimo = 300; // height of the memos when every line fits

struct Columna {
    const char* nombre;
    int x;
    int ancho;
};
constexpr std::array<Columna, 4> kColumnas{{
    {"memoR", 0, 145},
    {"Memo1R", 144, 155},
    {"Memo2R", 294, 160},
    {"Memo3R", 448, 160},
}};

} // namespace

TfinfoR::TfinfoR(AnfitrionEstudio& anfitrion)
    : VentanaResultado(anfitrion, QStringLiteral("Análisis de Residuales"), QSize(645, 615),
                       ayuda::kAnova) {
    setObjectName(QStringLiteral("finfoR"));
    contenido_ = new QWidget;
    auto* titulo = new QLabel(QStringLiteral("ANÁLISIS DE RESIDUALES"), contenido_);
    titulo->move(208, 8);
    for (std::size_t k = 0; k < kColumnas.size(); ++k) {
        memos_[k] = memoFijo(contenido_, kColumnas[k].nombre);
        memos_[k]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memos_[k]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memos_[k]->setGeometry(kColumnas[k].x, kArriba, kColumnas[k].ancho, kAltoMinimo);
    }
    contenido_->setFixedSize(kColumnas.back().x + kColumnas.back().ancho, kArriba + kAltoMinimo);

    auto* desplazable = new QScrollArea(this);
    desplazable->setWidget(contenido_);
    desplazable->setFrameStyle(QFrame::NoFrame);
    setWidget(desplazable);
}

QString TfinfoR::columna(int k) const {
    return memos_[static_cast<std::size_t>(k)]->toPlainText();
}

// The memos grow to hold every line, so no observation is cut off at the bottom.
void TfinfoR::llena(const std::array<std::vector<std::string>, 4>& columnas) {
    int alto = kAltoMinimo;
    for (std::size_t k = 0; k < memos_.size(); ++k) {
        memos_[k]->setPlainText(unaPorLinea(columnas[k]));
        const int lineas = static_cast<int>(columnas[k].size());
        const int necesario = lineas * memos_[k]->fontMetrics().lineSpacing() +
                              2 * static_cast<int>(memos_[k]->document()->documentMargin()) +
                              2 * memos_[k]->frameWidth() + 4;
        alto = std::max(alto, necesario);
    }
    for (QPlainTextEdit* memo : memos_)
        memo->setFixedHeight(alto);
    contenido_->setFixedSize(contenido_->width(), kArriba + alto);
}

void TfinfoR::mnuresidClick(TMainForm& m) {
    ejecutaComandoResultado(m, [&m](const Study& estudio, char decimal) {
        CalculaAnova(estudio, decimal, m.anova, m.PendienteCero, m.residuales);
        if (avisaPendienteCero(m))
            return;
        auto* ventana = new TfinfoR(m);
        m.finfoR = ventana;
        const ColumnasResiduales c = columnasResiduales(estudio, decimal, m.residuales);
        ventana->llena({c.memoR, c.Memo1R, c.Memo2R, c.Memo3R});
        // Tall enough for every row, within the frame; beyond that the window scrolls.
        const int alto = ventana->contenido_->height() + 60;
        const int libre = m.ClientArea()->viewport()->height();
        ventana->resize(ventana->width(), std::max(615, std::min(alto, libre)));
        ventana->muestraEn(m.ClientArea());
    });
}

} // namespace linealidad
