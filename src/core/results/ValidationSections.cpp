#include "core/results/ValidationSections.h"

#include "core/results/ResultFormats.h"
#include "core/results/ValidationCells.h"

namespace linealidad {
namespace {

using results::G6;
using Rows = std::vector<std::vector<std::string>>;

ValidationSection perLevel(const ValidationStatistics& s, char decimal) {
    ValidationSection section{"Por nivel", levelHeadings(), {}};
    int number = 0;
    for (const LevelPrecision& level : s.levels)
        section.rows.push_back(levelCells(++number, level, decimal));
    return section;
}

// One row "name, figure" for each name and figure.
template <std::size_t N>
Rows labelled(const std::array<const char*, N>& names, const std::array<std::string, N>& figures) {
    Rows rows;
    for (std::size_t i = 0; i < N; ++i)
        rows.push_back({names[i], figures[i]});
    return rows;
}

ValidationSection homogeneity(const VarianceHomogeneity& h, char decimal) {
    return {"Homogeneidad de varianzas",
            {},
            labelled(std::array{"Bartlett χ²", "Bartlett gl", "Bartlett p", "Levene F (mediana)",
                                "Levene gl1", "Levene gl2", "Levene p", "Cochran C",
                                "Cochran C crítico (5 %)"},
                     homogeneityFigures(h, decimal))};
}

ValidationSection mandel(const Applicable<MandelTest>& m, char decimal) {
    return {"Linealidad (Mandel)",
            {},
            {{"F", figureOf(
                       m, [](auto& t) { return t.F; }, decimal)},
             {"gl", textOf(m, [&](auto& t) { return "1; " + G6(t.df2, decimal); })},
             {"p", figureOf(
                       m, [](auto& t) { return t.p; }, decimal)}}};
}

ValidationSection normality(const Applicable<ShapiroWilkTest>& n, char decimal) {
    return {"Normalidad de los residuos",
            {},
            {{"Shapiro-Wilk W", figureOf(
                                    n, [](auto& t) { return t.W; }, decimal)},
             {"Shapiro-Wilk p", figureOf(
                                    n, [](auto& t) { return t.p; }, decimal)}}};
}

std::vector<std::string> probabilityRow(const std::string& source,
                                        const Applicable<ExactProbability>& e, char decimal) {
    if (const ExactProbability* p = valueOf(e))
        return {source,
                G6(p->F, decimal),
                G6(p->df1, decimal),
                G6(p->df2, decimal),
                G6(p->exact, decimal),
                G6(p->classic, decimal)};
    return {source, notApplicableText(std::get<NotApplicable>(e))};
}

// The exact probabilities beside those the variance table shows, labelled so that a reviewer
// tells which is which.
ValidationSection probabilities(const ValidationStatistics& s, char decimal) {
    return {"Probabilidades exactas",
            {"Fuente", "F", "gl1", "gl2", "p exacta", "p clásica (análisis de varianza)"},
            {probabilityRow("Regresión", s.regression, decimal),
             probabilityRow("Falta de ajuste", s.lackOfFit, decimal)}};
}

ValidationSection weighting(const WeightedLines& w, char decimal) {
    ValidationSection section{
        "Ponderación", {"Ponderación", "Pendiente", "Ordenada", "Σ |error relativo %|"}, {}};
    for (std::size_t i = 0; i < kWeightings.size(); ++i) {
        std::vector<std::string> row = weightingCells(kWeightings[i], w.lines[i], decimal);
        if (w.suggested == kWeightings[i])
            row.emplace_back("sugerida");
        section.rows.push_back(std::move(row));
    }
    return section;
}

ValidationSection recoverySummary(const RecoveryStatistics& r, char decimal) {
    ValidationSection section{
        "Recobro (linealidad del método)",
        {},
        labelled(std::array{"Recobro medio %", "DE", "CV %"}, summaryFigures(r.summary, decimal))};
    for (auto& row : labelled(std::array{"IC 95 % inferior", "IC 95 % superior"},
                              intervalFigures(r.interval, decimal)))
        section.rows.push_back(std::move(row));
    section.rows.push_back({"El intervalo de la pendiente contiene 1", yesNo(r.slopeContainsOne)});
    section.rows.push_back(
        {"El intervalo de la ordenada contiene 0", yesNo(r.interceptContainsZero)});
    return section;
}

ValidationSection recoveryObservations(const RecoveryStatistics& r, char decimal) {
    ValidationSection section{
        "Recobro por observación", {"Observación", "X", "Y", "Recobro %"}, {}};
    for (const ObservationRecovery& o : r.observations)
        section.rows.push_back({std::to_string(o.observation), G6(o.x, decimal), G6(o.y, decimal),
                                G6(o.recovery, decimal)});
    return section;
}

} // namespace

std::vector<ValidationSection> validationSections(const ValidationStatistics& s, char decimal) {
    std::vector<ValidationSection> sections{
        perLevel(s, decimal),
        {"Factor de respuesta (Y/X)",
         {},
         labelled(std::array{"media", "DE", "CV %"}, summaryFigures(s.responseFactor, decimal))},
        homogeneity(s.homogeneity, decimal),
        mandel(s.mandel, decimal),
        normality(s.normality, decimal),
        probabilities(s, decimal),
        weighting(s.weighting, decimal),
    };
    if (s.recovery) {
        sections.push_back(recoverySummary(*s.recovery, decimal));
        sections.push_back(recoveryObservations(*s.recovery, decimal));
    }
    return sections;
}

} // namespace linealidad
