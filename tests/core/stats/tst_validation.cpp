#include "core/results/ValidationCommand.h"
#include "core/results/ValidationLines.h"
#include "core/results/ValidationSections.h"
#include "core/stats/ShapiroWilk.h"
#include "support/CompareNear.h"
#include "support/RowsToString.h"
#include "support/TestStudies.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>
#include <map>

using namespace linealidad;

namespace {

// The studies of validation_figures.txt, the output of src/core/verification/validation_figures.R
// (R's figures for each statistic), under the names R prints.
struct ReferenceStudy {
    const char* name;
    Study study;
};

std::vector<std::string> each(std::initializer_list<const char*> values, int times) {
    std::vector<std::string> result;
    for (const char* v : values)
        for (int k = 0; k < times; ++k)
            result.emplace_back(v);
    return result;
}

std::vector<ReferenceStudy> referenceStudies() {
    using test::study;
    return {
        {"ejemplo trabajado", test::workedExample()},
        {"valoracion 80-120",
         study({3, 3, 3, 3, 3}, each({"80", "90", "100", "110", "120"}, 3),
               {"798.4", "803.1", "801.2", "902.6", "897.9", "899.8", "1001.7", "998.2", "1004.3",
                "1097.5", "1102.8", "1100.1", "1203.9", "1196.4", "1199.6"})},
        {"replicas desiguales",
         study({2, 3, 4, 3}, {"2", "2", "4", "4", "4", "6", "6", "6", "6", "8", "8", "8"},
               {"0.198", "0.205", "0.402", "0.395", "0.411", "0.597", "0.606", "0.589", "0.611",
                "0.806", "0.791", "0.799"})},
        {"una replica", study({1, 1, 1, 1, 1}, {"2", "4", "6", "8", "10"},
                              {"0.101", "0.198", "0.307", "0.398", "0.502"})},
        {"blanco en X = 0", study({3, 3, 3, 3}, each({"0", "5", "10", "15"}, 3),
                                  {"0.003", "0.001", "0.004", "0.251", "0.247", "0.255", "0.502",
                                   "0.497", "0.509", "0.748", "0.755", "0.751"})},
        {"pendiente negativa", study({2, 2, 2, 2}, each({"1", "2", "3", "4"}, 2),
                                     {"9.8", "10.1", "7.9", "8.2", "6.1", "5.8", "4.0", "4.2"})},
        {"areas cerca de 1E8",
         study({2, 2, 2, 2, 2}, each({"1", "2", "3", "4", "5"}, 2),
               {"100000001.25", "100000000.75", "100000003.5", "100000002.75", "100000005",
                "100000004.75", "100000007.25", "100000006.5", "100000009", "100000008.75"})},
        {"curva", study({3, 3, 3, 3, 3}, each({"1", "2", "3", "4", "5"}, 3),
                        {"1.02", "0.98", "1.01", "3.95", "4.05", "4.01", "9.02", "8.97", "9.05",
                         "16.1", "15.9", "16.0", "25.1", "24.9", "25.0"})},
        {"recobro", study({3, 3, 3, 3, 3}, each({"50", "75", "100", "125", "150"}, 3),
                          {"49.6", "50.3", "49.4", "74.8", "75.6", "74.1", "99.2", "100.8", "100.3",
                           "124.1", "125.9", "124.6", "149.2", "150.9", "148.8"})},
        {"tres niveles de una replica", study({1, 1, 1}, {"1", "2", "3"}, {"1.1", "1.9", "3.2"})},
        {"cuatro niveles de una replica",
         study({1, 1, 1, 1}, {"1", "2", "3", "4"}, {"1.1", "1.9", "3.2", "3.9"})},
    };
}

// R's figures of each study: its name, then "figure  value" lines ("NA" where it does not
// apply); a blank line ends it.
std::map<std::string, std::vector<std::pair<std::string, std::string>>> referenceFigures() {
    QFile file(LINEALIDAD_VALIDATION_FIGURES);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read validation_figures.txt");
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> figures;
    std::string study;
    const QRegularExpression line("^    (.*\\S)\\s{2,}(\\S+)$");
    for (const QString& text : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!text.startsWith(' ')) {
            study = text.trimmed().toStdString();
            continue;
        }
        const auto match = line.match(text);
        if (match.hasMatch())
            figures[study].push_back(
                {match.captured(1).toStdString(), match.captured(2).toStdString()});
    }
    return figures;
}

using Figure = std::optional<Applicable<double>>;

template <typename T, typename Get> Applicable<double> from(const Applicable<T>& a, Get get) {
    if (const T* value = valueOf(a))
        return static_cast<double>(get(*value));
    return std::get<NotApplicable>(a);
}

Applicable<double> fromSummary(const Applicable<SampleSummary>& s, const std::string& what) {
    if (what == "media")
        return from(s, [](auto& v) { return v.mean; });
    const SampleSummary* v = valueOf(s);
    if (!v)
        return std::get<NotApplicable>(s);
    return what == "DE" ? v->deviation : v->variation;
}

// The statistic R names `name`; nothing for a name the test does not know.
Figure figure(const ValidationStatistics& s, const std::string& name) {
    const QString n = QString::fromStdString(name);
    static const QRegularExpression level("^nivel (\\d+) (.*)$");
    if (const auto m = level.match(n); m.hasMatch()) {
        const LevelPrecision& l = s.levels.at(static_cast<std::size_t>(m.captured(1).toInt() - 1));
        const std::map<QString, Applicable<double>> figures{{"media Y", l.y.mean},
                                                            {"DE", l.y.deviation},
                                                            {"CV", l.y.variation},
                                                            {"X recalculada", l.xRecalculated},
                                                            {"error relativo", l.relativeError}};
        return figures.at(m.captured(2));
    }
    for (std::size_t i = 0; i < kWeightings.size(); ++i) {
        const QString prefix = QString::fromStdString(weightingName(kWeightings[i])) + ' ';
        if (!n.startsWith(prefix))
            continue;
        const QString what = n.mid(prefix.size());
        return from(s.weighting.lines[i], [&](const WeightedLine& l) {
            return what == "pendiente"  ? l.slope
                   : what == "ordenada" ? l.intercept
                                        : l.relativeErrorSum;
        });
    }
    if (n.startsWith("factor "))
        return fromSummary(s.responseFactor, n.mid(7) == "CV" ? "CV" : n.mid(7).toStdString());
    if (n.startsWith("recobro ")) {
        const QString what = n.mid(8);
        if (what == "IC inferior")
            return from(s.recovery->interval, [](auto& i) { return i.lower; });
        if (what == "IC superior")
            return from(s.recovery->interval, [](auto& i) { return i.upper; });
        return fromSummary(s.recovery->summary, what.toStdString());
    }
    const VarianceHomogeneity& h = s.homogeneity;
    const std::map<std::string, std::function<Applicable<double>()>> figures{
        {"Bartlett chi2", [&] { return from(h.bartlett, [](auto& t) { return t.chiSquared; }); }},
        {"Bartlett gl", [&] { return from(h.bartlett, [](auto& t) { return t.df; }); }},
        {"Bartlett p", [&] { return from(h.bartlett, [](auto& t) { return t.p; }); }},
        {"Levene F", [&] { return from(h.levene, [](auto& t) { return t.F; }); }},
        {"Levene p", [&] { return from(h.levene, [](auto& t) { return t.p; }); }},
        {"Cochran C", [&] { return from(h.cochran, [](auto& t) { return t.C; }); }},
        {"Cochran critico",
         [&] {
             const CochranTest* t = valueOf(h.cochran);
             return t ? t->critical : Applicable<double>(std::get<NotApplicable>(h.cochran));
         }},
        {"Mandel F", [&] { return from(s.mandel, [](auto& t) { return t.F; }); }},
        {"Mandel p", [&] { return from(s.mandel, [](auto& t) { return t.p; }); }},
        {"Shapiro-Wilk W", [&] { return from(s.normality, [](auto& t) { return t.W; }); }},
        {"Shapiro-Wilk p", [&] { return from(s.normality, [](auto& t) { return t.p; }); }},
        {"F regresion", [&] { return from(s.regression, [](auto& e) { return e.F; }); }},
        {"p exacta regresion", [&] { return from(s.regression, [](auto& e) { return e.exact; }); }},
        {"F falta de ajuste", [&] { return from(s.lackOfFit, [](auto& e) { return e.F; }); }},
        {"p exacta falta de ajuste",
         [&] { return from(s.lackOfFit, [](auto& e) { return e.exact; }); }},
    };
    const auto it = figures.find(name);
    return it == figures.end() ? Figure() : Figure(it->second());
}

ValidationStatistics computed(const Study& study, bool recovered = true) {
    ResultSet results;
    return *validationCommand(study, '.', results, recovered);
}

std::string reasonOf(const Applicable<double>& a) {
    const auto* why = std::get_if<NotApplicable>(&a);
    return why ? why->reason : std::string("(aplicable)");
}

} // namespace

Q_DECLARE_METATYPE(Study)

class TestValidation : public QObject {
    Q_OBJECT
private slots:
    // Every figure R gives for the reference studies: equal, every branch reached (equal and
    // unequal replicates, one replicate per level, X = 0, a negative slope, responses far from
    // zero, a curve that Mandel's test rejects, recovery), and "no aplicable" where R has NA.
    void againstR_data() {
        QTest::addColumn<Study>("study");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const auto figures = referenceFigures();
        for (const ReferenceStudy& s : referenceStudies())
            for (const auto& [name, value] : figures.at(s.name))
                QTest::addRow("%s: %s", s.name, name.c_str())
                    << s.study << QString::fromStdString(name) << QString::fromStdString(value);
    }
    void againstR() {
        QFETCH(Study, study);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const Figure f = figure(computed(study), name.toStdString());
        QVERIFY2(f, "a figure the test does not know");
        if (expected == "NA") {
            QVERIFY(std::holds_alternative<NotApplicable>(*f));
            return;
        }
        QVERIFY2(valueOf(*f), reasonOf(*f).c_str());
        const double value = *valueOf(*f);
        const double reference = expected.toDouble();
        // A curvature of exactly nothing leaves rounding noise, in R as here.
        if (std::fabs(reference) < 1e-12)
            QCOMPARE_NEAR(value, reference, 1e-9);
        else
            QCOMPARE_DIGITS(value, reference, 9);
    }

    // Shapiro-Wilk on samples of each size Royston's algorithm treats apart, against R's
    // shapiro.test (AS R94), and Shapiro and Wilk's own example (W = 0.79).
    void shapiroWilk_data() {
        QTest::addColumn<std::vector<double>>("sample");
        QTest::addColumn<double>("W");
        QTest::addColumn<double>("p");
        QTest::newRow("3, exact") << std::vector<double>{1, 2, 4} << 0.96428571428571419
                                  << 0.6368868450289632;
        QTest::newRow("4") << std::vector<double>{2.1, 3.4, 1.9, 5.6} << 0.87603183393998441
                           << 0.32196480117232057;
        QTest::newRow("5") << std::vector<double>{0.5, 1.5, 1.6, 2.2, 9.0} << 0.71888245087392522
                           << 0.0149369074931648;
        QTest::newRow("11, Shapiro and Wilk 1965")
            << std::vector<double>{148, 154, 158, 160, 161, 162, 166, 170, 182, 195, 236}
            << 0.78881469483538735 << 0.0067038140565029254;
        QTest::newRow("12") << std::vector<double>{10.2, 9.8, 10.1, 10.4, 9.9,  10.0,
                                                   10.3, 9.7, 10.6, 9.5,  10.2, 12.9}
                            << 0.67634452076096374 << 0.00050340873782346064;
        QTest::newRow("20") << std::vector<double>{3.1, 2.9, 3.4, 3.0, 2.8, 3.3, 3.2, 3.1, 2.7, 3.6,
                                                   3.0, 2.9, 3.5, 3.2, 3.1, 2.6, 3.3, 3.0, 3.4, 2.8}
                            << 0.98317866072641624 << 0.96826422543758683;
    }
    void shapiroWilk() {
        QFETCH(std::vector<double>, sample);
        QFETCH(double, W);
        QFETCH(double, p);
        const auto test = linealidad::shapiroWilk(sample);
        QVERIFY(valueOf(test));
        QCOMPARE_DIGITS(valueOf(test)->W, W, 10);
        QCOMPARE_DIGITS(valueOf(test)->p, p, 9);
    }

    // What cannot be computed says why, in the words the cells show.
    void reasons_data() {
        QTest::addColumn<Study>("study");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        const Study oneReplicate = referenceStudies()[3].study;
        const Study blank = referenceStudies()[4].study;
        const Study identical = test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                            {"1.0", "1.2", "2.0", "2.0", "3.2", "2.9"});
        QTest::newRow("deviation of one replicate") << oneReplicate << "nivel 1 DE"
                                                    << "una réplica";
        QTest::newRow("relative error at X = 0") << blank << "nivel 1 error relativo"
                                                 << "X es cero";
        QTest::newRow("weight 1/x with X = 0") << blank << "1/x pendiente"
                                               << "hay X ≤ 0";
        QTest::newRow("homogeneity without replicates")
            << oneReplicate << "Bartlett chi2"
            << "se necesitan al menos 2 niveles con réplicas";
        QTest::newRow("identical replicates") << identical << "Levene F"
                                              << "el nivel 2 tiene varianza cero";
        QTest::newRow("Levene with two replicates")
            << test::workedExample() << "Levene p"
            << "|Y - mediana| no varía dentro de los niveles";
        QTest::newRow("Cochran's critical value, unequal replicates")
            << referenceStudies()[2].study << "Cochran critico"
            << "niveles con distinto número de réplicas";
        QTest::newRow("Mandel with three observations") << referenceStudies()[9].study << "Mandel F"
                                                        << "se necesitan al menos 4 observaciones";
        QTest::newRow("lack of fit without pure error")
            << oneReplicate << "p exacta falta de ajuste"
            << "sin error puro";
    }
    void reasons() {
        QFETCH(Study, study);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QCOMPARE(QString::fromStdString(reasonOf(*figure(computed(study), name.toStdString()))),
                 reason);
    }

    // The weighting whose line reads the observations back best is suggested; the recovery is
    // there only when asked for; a zero slope gives nothing.
    void suggestionRecoveryAndZeroSlope() {
        const ValidationStatistics blank = computed(referenceStudies()[4].study, false);
        QCOMPARE(blank.weighting.suggested, std::optional(Weighting::InverseY2));
        QVERIFY(!blank.recovery);
        QCOMPARE(computed(referenceStudies()[0].study).weighting.suggested,
                 std::optional(Weighting::One));
        const ValidationStatistics recovery = computed(referenceStudies()[8].study);
        QVERIFY(recovery.recovery && recovery.recovery->slopeContainsOne &&
                recovery.recovery->interceptContainsZero);
        QCOMPARE(recovery.recovery->observations.size(), std::size_t(15));
        ResultSet results;
        const Study flat = test::study({1, 1, 1}, {"1", "2", "3"}, {"2", "2", "2"});
        QVERIFY(!validationCommand(flat, '.', results, true));
    }

    // The command-line lines: the per-level heading and rows, every part named, the values in
    // the decimal separator asked for, "no aplicable (motivo)" where a statistic does not apply.
    void lines() {
        const auto lines = validationLines(computed(test::workedExample(), false), ',');
        QCOMPARE(lines.at(0), std::string("NIVEL\tn\tX\tmedia Y\tDE Y\tCV %\tX recalculada\t"
                                          "error relativo %"));
        QCOMPARE(lines.at(1), std::string("1\t2\t1\t1,1\t0,141421\t12,8565\t1,02564\t2,5641"));
        QCOMPARE(lines.at(7), std::string("homogeneidad\tBartlett chi2\t0,161993"));
        QCOMPARE(lines.at(10), std::string("homogeneidad\tLevene F\tno aplicable (|Y - mediana| "
                                           "no varía dentro de los niveles)"));
        QCOMPARE(lines.at(22), std::string("ponderación\t1\t0,975\t0,1\t41,0256"));
        QCOMPARE(lines.back(), std::string("ponderación\tsugerida\t1"));
        QCOMPARE(lines.size(), std::size_t(28));
        const auto recovered = validationLines(computed(test::workedExample(), true), '.');
        QCOMPARE(recovered.size(), std::size_t(35));
        QCOMPARE(recovered.back(), std::string("recobro\tordenada contiene 0\tsí"));
    }

    // The window's and the page's parts: their titles in order, the recovery's two parts only
    // when asked for, and the exact probabilities beside the classic ones.
    void sections() {
        const auto sections = validationSections(computed(test::workedExample(), true), '.');
        QStringList titles;
        for (const ValidationSection& s : sections)
            titles << QString::fromStdString(s.title);
        QCOMPARE(titles,
                 (QStringList{"Por nivel", "Factor de respuesta (Y/X)", "Homogeneidad de varianzas",
                              "Linealidad (Mandel)", "Normalidad de los residuos",
                              "Probabilidades exactas", "Ponderación",
                              "Recobro (linealidad del método)", "Recobro por observación"}));
        const ValidationSection& exact = sections[5];
        QCOMPARE(exact.rows[0], (std::vector<std::string>{"Regresión", "164.432", "1", "4",
                                                          "0.000213192", "0.000898959"}));
        QCOMPARE(exact.rows[1][4], std::string("0.642409"));
        QCOMPARE(sections[6].rows[0].back(), std::string("sugerida"));
        QCOMPARE(validationSections(computed(test::workedExample(), false), '.').size(),
                 std::size_t(7));
    }
};

QTEST_APPLESS_MAIN(TestValidation)
#include "tst_validation.moc"
