#include "core/results/ValidationCells.h"

namespace linealidad {

using results::G6;

std::string notApplicableText(const NotApplicable& why) {
    return std::string(kNotApplicable) + " (" + why.reason + ")";
}

std::optional<std::string> notApplicableReason(const std::string& cell) {
    const std::string opening = std::string(kNotApplicable) + " (";
    if (!cell.starts_with(opening) || !cell.ends_with(")"))
        return std::nullopt;
    return cell.substr(opening.size(), cell.size() - opening.size() - 1);
}

std::string figureText(const Applicable<double>& value, char decimal) {
    return textOf(value, [decimal](double v) { return G6(v, decimal); });
}

std::string yesNo(bool value) {
    return value ? "sí" : "no";
}

std::array<std::string, 3> summaryFigures(const Applicable<SampleSummary>& summary, char decimal) {
    return {figureOf(
                summary, [](auto& v) { return v.mean; }, decimal),
            textOf(summary, [&](auto& v) { return figureText(v.deviation, decimal); }),
            textOf(summary, [&](auto& v) { return figureText(v.variation, decimal); })};
}

std::array<std::string, 9> homogeneityFigures(const VarianceHomogeneity& h, char decimal) {
    const auto& b = h.bartlett;
    const auto& l = h.levene;
    const auto& c = h.cochran;
    return {figureOf(
                b, [](auto& t) { return t.chiSquared; }, decimal),
            figureOf(
                b, [](auto& t) { return t.df; }, decimal),
            figureOf(
                b, [](auto& t) { return t.p; }, decimal),
            figureOf(
                l, [](auto& t) { return t.F; }, decimal),
            figureOf(
                l, [](auto& t) { return t.df1; }, decimal),
            figureOf(
                l, [](auto& t) { return t.df2; }, decimal),
            figureOf(
                l, [](auto& t) { return t.p; }, decimal),
            figureOf(
                c, [](auto& t) { return t.C; }, decimal),
            textOf(c, [&](auto& t) { return figureText(t.critical, decimal); })};
}

std::array<std::string, 2> intervalFigures(const Applicable<MeanInterval>& interval, char decimal) {
    return {figureOf(
                interval, [](auto& i) { return i.lower; }, decimal),
            figureOf(
                interval, [](auto& i) { return i.upper; }, decimal)};
}

std::vector<std::string> levelHeadings() {
    return {"Nivel", "n", "X", "media Y", "DE Y", "CV %", "X recalculada", "error relativo %"};
}

std::vector<std::string> levelCells(int number, const LevelPrecision& level, char decimal) {
    return {std::to_string(number),
            std::to_string(level.replicates),
            G6(level.x, decimal),
            G6(level.y.mean, decimal),
            figureText(level.y.deviation, decimal),
            figureText(level.y.variation, decimal),
            G6(level.xRecalculated, decimal),
            figureText(level.relativeError, decimal)};
}

std::vector<std::string> weightingCells(Weighting weighting, const Applicable<WeightedLine>& line,
                                        char decimal) {
    if (const WeightedLine* l = valueOf(line))
        return {weightingName(weighting), G6(l->slope, decimal), G6(l->intercept, decimal),
                G6(l->relativeErrorSum, decimal)};
    return {weightingName(weighting), notApplicableText(std::get<NotApplicable>(line))};
}

} // namespace linealidad
