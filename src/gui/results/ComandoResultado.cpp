#include "results/ComandoResultado.h"

#include "app/EjecutaComando.h"
#include "app/Interaccion.h"
#include "app/Regional.h"
#include "app/TMainForm.h"
#include "results/PendienteCero.h"
#include "study/TFinforma.h"

namespace linealidad {

void ejecutaComandoResultado(TMainForm& m, const std::function<void(const Study&, char)>& comando) {
    if (!m.validaEstudio())
        return;
    const Study& estudio = m.Finforma->estudio();
    const char decimal = separadorDecimal();
    ejecutaComando(m.interaccion(), [&] { comando(estudio, decimal); });
}

bool avisaPendienteCero(TMainForm& m) {
    if (m.PendienteCero)
        m.interaccion().mensaje(QString::fromUtf8(kMensajePendienteCero));
    return m.PendienteCero;
}

} // namespace linealidad
