#include "core/results/VerdictSentences.h"

namespace linealidad {

namespace {

std::string ofUAndP(const Study& study) {
    return study.eadicionada + " Y " + study.emedida;
}

} // namespace

std::optional<std::string> originSentence(const Study& study, Origin verdict) {
    const std::string start =
        "LA ORDENADA DE LA RELACIÓN LINEAL " + study.eadicionada + " - " + study.emedida;
    switch (verdict) {
    case Origin::DoesNotPass:
        return start + " NO PASA POR EL ORIGEN.";
    case Origin::Passes:
        return start + " PASA POR EL ORIGEN.";
    case Origin::NoVerdict:
        break;
    }
    return std::nullopt;
}

std::string relationSentence(const Study& study, Relation relation) {
    switch (relation) {
    case Relation::HighlySignificant:
        return "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE " + ofUAndP(study);
    case Relation::Significant:
        return "EXISTE RELACIÓN SIGNIFICATIVA DE " + ofUAndP(study);
    case Relation::NoDependence:
        break;
    }
    return "NO HAY DEPENDENCIA ENTRE LAS VARIABLES";
}

std::string modelSentence(const Study& study, LinearModel model) {
    const std::string represents = model == LinearModel::Adequate ? "REPRESENTA" : "NO REPRESENTA";
    return "EL MODELO LINEAL " + represents + " DE MANERA CORRECTA LA RELACIÓN " + ofUAndP(study);
}

std::vector<std::string> sentencesWithPureError(const Study& study, const ResultadosAnova& A) {
    const Relation relation = relationClass(A.PRegresion);
    std::vector<std::string> sentences{relationSentence(study, relation)};
    if (relation != Relation::NoDependence)
        sentences.push_back(modelSentence(study, modelClass(A.PFaltaAjuste)));
    return sentences;
}

} // namespace linealidad
