#include "results/TFinfo.h"

#include "app/TMainForm.h"
#include "app/helpcons.h"
#include "results/ComandoResultado.h"
#include "results/Inferencia.h"
#include "stats/CalculaAnova.h"
#include "stats/CalculaRegresion.h"
#include "study/TFinforma.h"

#include <QPlainTextEdit>

namespace linealidad {

TFinfo::TFinfo(AnfitrionEstudio& anfitrion)
    : VentanaResultado(anfitrion, QStringLiteral("Linealidad y Precisión del Sistema"),
                       QSize(595, 342), ayuda::kInferencia),
      memresult_(memoFijo(this, "memresult")) {
    setObjectName(QStringLiteral("Finfo"));
    setWidget(memresult_);
}

void TFinfo::escribe(const std::vector<std::string>& lineas) {
    memresult_->setPlainText(unaPorLinea(lineas));
}

QString TFinfo::texto() const {
    return memresult_->toPlainText();
}

void TFinfo::mnuinferenciaClick(TMainForm& m) {
    ejecutaComandoResultado(m, [&m](const Study& estudio, char decimal) {
        CalculaRegresion(estudio, decimal, m.regresion, m.PendienteCero);
        if (avisaPendienteCero(m))
            return;
        auto* ventana = new TFinfo(m);
        m.Finfo = ventana;
        // The lines are shown before the analysis of variance runs: if it faults, the window
        // keeps them, without the origin sentence.
        ventana->escribe(memoInferenciaSinAnova(decimal, m.regresion));
        ventana->muestraEn(m.ClientArea());
        CalculaAnova(estudio, decimal, m.anova, m.PendienteCero, m.residuales);
        ventana->escribe(memoInferencia(estudio, decimal, m.regresion, m.anova));
    });
}

} // namespace linealidad
