#include "results/OracionesVeredicto.h"

namespace linealidad {

namespace {

std::string deUyP(const Study& study) {
    return study.eadicionada + " Y " + study.emedida;
}

} // namespace

std::optional<std::string> oracionOrigen(const Study& study, Origen veredicto) {
    const std::string inicio =
        "LA ORDENADA DE LA RELACIÓN LINEAL " + study.eadicionada + " - " + study.emedida;
    switch (veredicto) {
    case Origen::NoPasa:
        return inicio + " NO PASA POR EL ORIGEN.";
    case Origen::Pasa:
        return inicio + " PASA POR EL ORIGEN.";
    case Origen::SinVeredicto:
        break;
    }
    return std::nullopt;
}

std::string oracionRelacion(const Study& study, Relacion relacion) {
    switch (relacion) {
    case Relacion::AltamenteSignificativa:
        return "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE " + deUyP(study);
    case Relacion::Significativa:
        return "EXISTE RELACIÓN SIGNIFICATIVA DE " + deUyP(study);
    case Relacion::SinDependencia:
        break;
    }
    return "NO HAY DEPENDENCIA ENTRE LAS VARIABLES";
}

std::string oracionModelo(const Study& study, ModeloLineal modelo) {
    const std::string representa =
        modelo == ModeloLineal::Adecuado ? "REPRESENTA" : "NO REPRESENTA";
    return "EL MODELO LINEAL " + representa + " DE MANERA CORRECTA LA RELACIÓN " + deUyP(study);
}

std::vector<std::string> oracionesConErrorPuro(const Study& study, const ResultadosAnova& A) {
    const Relacion relacion = claseRelacion(A.PRegresion);
    std::vector<std::string> oraciones{oracionRelacion(study, relacion)};
    if (relacion != Relacion::SinDependencia)
        oraciones.push_back(oracionModelo(study, claseModelo(A.PFaltaAjuste)));
    return oraciones;
}

} // namespace linealidad
