#include "core/results/ValidationLines.h"

#include "core/results/ValidationCells.h"
#include "core/text/TabSeparated.h"

namespace linealidad {
namespace {

class Lines {
public:
    void add(const std::vector<std::string>& cells) { lines_.push_back(joinCells(cells)); }
    std::vector<std::string> take() && { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

void summary(Lines& out, const std::string& part, const Applicable<SampleSummary>& s,
             char decimal) {
    out.add({part, "media",
             figureOf(
                 s, [](auto& v) { return v.mean; }, decimal)});
    out.add({part, "DE", textOf(s, [&](auto& v) { return figureText(v.deviation, decimal); })});
    out.add({part, "CV %", textOf(s, [&](auto& v) { return figureText(v.variation, decimal); })});
}

void homogeneity(Lines& out, const VarianceHomogeneity& h, char decimal) {
    const std::string part = "homogeneidad";
    const auto& b = h.bartlett;
    const auto& l = h.levene;
    const auto& c = h.cochran;
    out.add({part, "Bartlett chi2",
             figureOf(
                 b, [](auto& t) { return t.chiSquared; }, decimal)});
    out.add({part, "Bartlett gl",
             figureOf(
                 b, [](auto& t) { return t.df; }, decimal)});
    out.add({part, "Bartlett p",
             figureOf(
                 b, [](auto& t) { return t.p; }, decimal)});
    out.add({part, "Levene F",
             figureOf(
                 l, [](auto& t) { return t.F; }, decimal)});
    out.add({part, "Levene gl1",
             figureOf(
                 l, [](auto& t) { return t.df1; }, decimal)});
    out.add({part, "Levene gl2",
             figureOf(
                 l, [](auto& t) { return t.df2; }, decimal)});
    out.add({part, "Levene p",
             figureOf(
                 l, [](auto& t) { return t.p; }, decimal)});
    out.add({part, "Cochran C",
             figureOf(
                 c, [](auto& t) { return t.C; }, decimal)});
    out.add({part, "Cochran C crítico",
             textOf(c, [&](auto& t) { return figureText(t.critical, decimal); })});
}

void recovery(Lines& out, const RecoveryStatistics& r, char decimal) {
    const std::string part = "recobro";
    summary(out, part, r.summary, decimal);
    out.add({part, "IC inferior",
             figureOf(
                 r.interval, [](auto& i) { return i.lower; }, decimal)});
    out.add({part, "IC superior",
             figureOf(
                 r.interval, [](auto& i) { return i.upper; }, decimal)});
    out.add({part, "pendiente contiene 1", yesNo(r.slopeContainsOne)});
    out.add({part, "ordenada contiene 0", yesNo(r.interceptContainsZero)});
}

} // namespace

std::vector<std::string> validationLines(const ValidationStatistics& s, char decimal) {
    Lines out;
    std::vector<std::string> headings = levelHeadings();
    headings.front() = "NIVEL";
    out.add(headings);
    int number = 0;
    for (const LevelPrecision& level : s.levels)
        out.add(levelCells(++number, level, decimal));
    summary(out, "factor de respuesta", s.responseFactor, decimal);
    homogeneity(out, s.homogeneity, decimal);
    out.add({"linealidad", "Mandel F",
             figureOf(
                 s.mandel, [](auto& t) { return t.F; }, decimal)});
    out.add({"linealidad", "Mandel p",
             figureOf(
                 s.mandel, [](auto& t) { return t.p; }, decimal)});
    out.add({"normalidad", "Shapiro-Wilk W",
             figureOf(
                 s.normality, [](auto& t) { return t.W; }, decimal)});
    out.add({"normalidad", "Shapiro-Wilk p",
             figureOf(
                 s.normality, [](auto& t) { return t.p; }, decimal)});
    out.add({"probabilidad exacta", "regresión",
             figureOf(
                 s.regression, [](auto& e) { return e.exact; }, decimal)});
    out.add({"probabilidad exacta", "falta de ajuste",
             figureOf(
                 s.lackOfFit, [](auto& e) { return e.exact; }, decimal)});
    for (std::size_t i = 0; i < kWeightings.size(); ++i) {
        std::vector<std::string> cells{"ponderación"};
        for (std::string& cell : weightingCells(kWeightings[i], s.weighting.lines[i], decimal))
            cells.push_back(std::move(cell));
        out.add(cells);
    }
    out.add({"ponderación", "sugerida",
             s.weighting.suggested ? weightingName(*s.weighting.suggested)
                                   : notApplicableText({"ninguna ponderación se aplica"})});
    if (s.recovery)
        recovery(out, *s.recovery, decimal);
    return std::move(out).take();
}

} // namespace linealidad
