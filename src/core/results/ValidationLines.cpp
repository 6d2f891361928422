#include "core/results/ValidationLines.h"

#include "core/results/ValidationCells.h"
#include "core/text/TabSeparated.h"

namespace linealidad {
namespace {

class Lines {
public:
    void add(const std::vector<std::string>& cells) { lines_.push_back(joinCells(cells)); }
    // One line "part, name, figure" for each name and figure.
    template <std::size_t N>
    void add(const std::string& part, const std::array<const char*, N>& names,
             const std::array<std::string, N>& figures) {
        for (std::size_t i = 0; i < N; ++i)
            add({part, names[i], figures[i]});
    }
    std::vector<std::string> take() && { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

void summary(Lines& out, const std::string& part, const Applicable<SampleSummary>& s,
             char decimal) {
    out.add(part, std::array{"media", "DE", "CV %"}, summaryFigures(s, decimal));
}

void homogeneity(Lines& out, const VarianceHomogeneity& h, char decimal) {
    out.add("homogeneidad",
            std::array{"Bartlett chi2", "Bartlett gl", "Bartlett p", "Levene F", "Levene gl1",
                       "Levene gl2", "Levene p", "Cochran C", "Cochran C crítico"},
            homogeneityFigures(h, decimal));
}

void recovery(Lines& out, const RecoveryStatistics& r, char decimal) {
    const std::string part = "recobro";
    summary(out, part, r.summary, decimal);
    out.add(part, std::array{"IC inferior", "IC superior"}, intervalFigures(r.interval, decimal));
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
