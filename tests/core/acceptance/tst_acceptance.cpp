#include "core/acceptance/AcceptanceCriteria.h"
#include "core/acceptance/AcceptanceVerdict.h"
#include "core/text/NumberParse.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <cmath>

using namespace linealidad;
using Criteria = std::vector<AcceptanceCriterion>;

namespace {

std::optional<AcceptanceVerdict> evaluate(const Study& study, const Criteria& criteria,
                                          char decimal = '.', bool recovered = false) {
    ResultSet results;
    return evaluateAcceptance(study, decimal, criteria, results, recovered);
}

CriterionOutcome outcome(const Study& study, AcceptanceCriterion criterion, char decimal = '.') {
    return evaluate(study, {criterion}, decimal)->outcomes.at(0);
}

// Y scattered about a constant: the slope's interval holds 0, the intercept's does not.
Study scattered() {
    return test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                       {"10", "11", "10.9", "10", "10.2", "11"});
}

// One observation per level: no pure error.
Study singleReplicates() {
    return test::study({1, 1, 1, 1}, {"1", "2", "3", "4"}, {"1.1", "1.9", "3.2", "3.9"});
}

// Five levels of three replicates, Y close to X²: Mandel's test rejects the line.
Study curved() {
    return test::study({3, 3, 3, 3, 3},
                       {"1", "1", "1", "2", "2", "2", "3", "3", "3", "4", "4", "4", "5", "5", "5"},
                       {"1.02", "0.98", "1.01", "3.95", "4.05", "4.01", "9.02", "8.97", "9.05",
                        "16.1", "15.9", "16.0", "25.1", "24.9", "25.0"});
}

std::string readError(const std::string& text) {
    auto read = readCriteriaText(text);
    const auto* message = std::get_if<std::string>(&read);
    return message ? *message : std::string("(sin error)");
}

} // namespace

Q_DECLARE_METATYPE(CriterionKind)
Q_DECLARE_METATYPE(AcceptanceCriterion)
Q_DECLARE_METATYPE(Study)

class TestAcceptance : public QObject {
    Q_OBJECT
private slots:
    // A limit one unit of the sixth significant digit below the value shown, equal to it, or
    // one unit above: bounds from below pass up to equality, bounds from above from equality.
    void limitEdges_data() {
        QTest::addColumn<CriterionKind>("kind");
        QTest::addColumn<int>("offset");
        QTest::addColumn<char>("decimal");
        QTest::addColumn<bool>("passes");
        const struct {
            const char* name;
            CriterionKind kind;
            bool lowerBound;
        } kinds[] = {
            {"r2", CriterionKind::Determination, true},
            {"cv", CriterionKind::RegressionCv, false},
            {"lack of fit", CriterionKind::LackOfFit, true},
            {"studentized", CriterionKind::StudentizedResiduals, false},
            {"detection", CriterionKind::DetectionLimit, false},
            {"quantification", CriterionKind::QuantificationLimit, false},
        };
        for (const auto& k : kinds)
            for (int offset : {-1, 0, 1})
                for (char decimal : {'.', ','}) {
                    const bool passes = offset == 0 || (offset < 0) == k.lowerBound;
                    QTest::addRow("%s %+d '%c'", k.name, offset, decimal)
                        << k.kind << offset << decimal << passes;
                }
    }
    void limitEdges() {
        QFETCH(CriterionKind, kind);
        QFETCH(int, offset);
        QFETCH(char, decimal);
        QFETCH(bool, passes);
        const Study study = test::workedExample(decimal);
        const double shown = parseFloat(outcome(study, {kind, 1.0}, decimal).value, decimal);
        const double unit = std::pow(10.0, std::floor(std::log10(std::abs(shown))) - 5);
        const double limit = shown + offset * unit;
        const auto verdict = evaluate(study, {{kind, limit}}, decimal);
        QVERIFY(verdict);
        QCOMPARE(verdict->outcomes.at(0).passes, std::optional<bool>(passes));
        QCOMPARE(verdict->passes, passes);
    }

    void intervals_data() {
        QTest::addColumn<Study>("study");
        QTest::addColumn<CriterionKind>("kind");
        QTest::addColumn<bool>("passes");
        QTest::newRow("slope, worked example")
            << test::workedExample() << CriterionKind::SlopeExcludesZero << true;
        QTest::newRow("slope, scattered")
            << scattered() << CriterionKind::SlopeExcludesZero << false;
        QTest::newRow("intercept, worked example")
            << test::workedExample() << CriterionKind::InterceptContainsZero << true;
        QTest::newRow("intercept, scattered")
            << scattered() << CriterionKind::InterceptContainsZero << false;
    }
    void intervals() {
        QFETCH(Study, study);
        QFETCH(CriterionKind, kind);
        QFETCH(bool, passes);
        const CriterionOutcome o = outcome(study, {kind, std::nullopt});
        QCOMPARE(o.passes, std::optional<bool>(passes));
        QVERIFY(o.value.front() == '[' && o.value.find("; ") != std::string::npos);
    }

    // Negative responses give a negative coefficient of variation; it is its size that must
    // stay below the limit.
    void negativeResponsesCv() {
        const Study negative = test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                           {"-1.0", "-1.2", "-2.1", "-1.9", "-3.2", "-2.9"});
        const CriterionOutcome o = outcome(negative, {CriterionKind::RegressionCv, 2.0});
        QCOMPARE(o.value, std::string("7.418"));
        QCOMPARE(o.passes, std::optional<bool>(false));
    }

    // Sy/x = sqrt(0.0925 / 4) = 0.1520691, m = 0.975: 3.3 Sy/x / m = 0.5146953,
    // 10 Sy/x / m = 1.559683.
    void detectionAndQuantificationLimits() {
        // The worked example as typed where the separator is the comma.
        const Study study = test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                        {"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"});
        const auto verdict = evaluate(study,
                                      {{CriterionKind::DetectionLimit, std::nullopt},
                                       {CriterionKind::QuantificationLimit, std::nullopt}},
                                      ',');
        QVERIFY(verdict);
        QCOMPARE(verdict->outcomes.at(0).value, std::string("0,514695"));
        QCOMPARE(verdict->outcomes.at(1).value, std::string("1,55968"));
        for (const CriterionOutcome& o : verdict->outcomes) {
            QCOMPARE(o.limit, std::string());
            QVERIFY(!o.passes);
        }
        QVERIFY(verdict->passes);
    }

    // Without pure error the lack of fit does not apply and does not count against the study.
    void lackOfFitWithoutPureError() {
        const auto verdict = evaluate(singleReplicates(), {{CriterionKind::LackOfFit, 0.99}});
        QVERIFY(verdict);
        const CriterionOutcome& o = verdict->outcomes.at(0);
        QCOMPARE(o.value, std::string("no aplicable (sin error puro)"));
        QVERIFY(!o.passes);
        QVERIFY(verdict->passes);
    }

    void everyDefaultCriterionIsJudged() {
        const auto verdict = evaluate(test::workedExample(), defaultCriteria());
        QVERIFY(verdict);
        QCOMPARE(verdict->outcomes.size(), defaultCriteria().size());
        QCOMPARE(verdict->outcomes.at(0).name, std::string("Coeficiente de determinación (r²)"));
        QCOMPARE(verdict->outcomes.at(0).limit, std::string("≥ 0.98"));
    }

    // The criteria on the validation statistics: the figure judged, shown as the validation
    // window shows it, or why the study does not allow it (a row that does not count).
    void validationCriteria_data() {
        QTest::addColumn<Study>("study");
        QTest::addColumn<AcceptanceCriterion>("criterion");
        QTest::addColumn<bool>("recovered");
        QTest::addColumn<QString>("value");
        QTest::addColumn<std::optional<bool>>("passes");
        using K = CriterionKind;
        const Study worked = test::workedExample();
        const std::optional<bool> no = false;
        const std::optional<bool> yes = true;
        const std::optional<bool> uncounted;
        QTest::newRow("lack of fit, exact p")
            << worked << AcceptanceCriterion{K::LackOfFit, 0.642409} << false << "0.642409" << yes;
        QTest::newRow("Levene with two replicates")
            << worked << AcceptanceCriterion{K::VarianceHomogeneity, 0.05} << false
            << "no aplicable (|Y - mediana| no varía dentro de los niveles)" << uncounted;
        QTest::newRow("Levene") << curved() << AcceptanceCriterion{K::VarianceHomogeneity, 0.05}
                                << false << "0.433978" << yes;
        QTest::newRow("Mandel rejects") << curved() << AcceptanceCriterion{K::MandelLinearity, 0.05}
                                        << false << "6.06345E-19" << no;
        QTest::newRow("normality") << worked << AcceptanceCriterion{K::ResidualNormality, 0.05}
                                   << false << "0.4383" << yes;
        QTest::newRow("largest level CV")
            << worked << AcceptanceCriterion{K::LevelCv, 10.0} << false << "12.8565" << no;
        QTest::newRow("level CV, one replicate each")
            << singleReplicates() << AcceptanceCriterion{K::LevelCv, 10.0} << false
            << "no aplicable (una réplica)" << uncounted;
        QTest::newRow("largest |relative error|")
            << worked << AcceptanceCriterion{K::LevelRelativeError, 2.5641} << false << "2.5641"
            << yes;
        QTest::newRow("response factor CV")
            << worked << AcceptanceCriterion{K::ResponseFactorCv, 5.0} << false << "8.76744" << no;
        QTest::newRow("recovery not ticked")
            << worked << AcceptanceCriterion{K::RecoveryInterval, 98.0, 102.0} << false
            << "no aplicable (Y no es la cantidad recuperada)" << uncounted;
        QTest::newRow("recovery within")
            << worked << AcceptanceCriterion{K::RecoveryInterval, 98.0, 103.889} << true
            << "103.889" << yes;
        QTest::newRow("recovery above")
            << worked << AcceptanceCriterion{K::RecoveryInterval, 98.0, 102.0} << true << "103.889"
            << no;
    }
    void validationCriteria() {
        QFETCH(Study, study);
        QFETCH(AcceptanceCriterion, criterion);
        QFETCH(bool, recovered);
        QFETCH(QString, value);
        QFETCH(std::optional<bool>, passes);
        const auto verdict = evaluate(study, {criterion}, '.', recovered);
        QVERIFY(verdict);
        const CriterionOutcome& o = verdict->outcomes.at(0);
        QCOMPARE(QString::fromStdString(o.value), value);
        QCOMPARE(o.passes, passes);
        QCOMPARE(verdict->passes, passes.value_or(true));
    }

    void zeroSlopeGivesNothing() {
        const Study flat = test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                       {"4", "4.5", "4", "4.5", "4", "4.5"});
        QVERIFY(!evaluate(flat, defaultCriteria()));
    }

    void criteriaTextRoundTrip_data() {
        QTest::addColumn<Criteria>("criteria");
        QTest::newRow("defaults") << defaultCriteria();
        QTest::newRow("none") << Criteria{};
        QTest::newRow("reordered, limits on detection")
            << Criteria{{CriterionKind::QuantificationLimit, 0.3},
                        {CriterionKind::Determination, 0.999},
                        {CriterionKind::DetectionLimit, 1e-5},
                        {CriterionKind::InterceptContainsZero, std::nullopt}};
        QTest::newRow("validation criteria")
            << Criteria{{CriterionKind::RecoveryInterval, 98.5, 101.5},
                        {CriterionKind::VarianceHomogeneity, 0.01},
                        {CriterionKind::MandelLinearity, 0.05},
                        {CriterionKind::ResidualNormality, 0.1},
                        {CriterionKind::LevelCv, 1.5},
                        {CriterionKind::LevelRelativeError, 2},
                        {CriterionKind::ResponseFactorCv, 5}};
        QTest::newRow("awkward binary fractions")
            << Criteria{{CriterionKind::RegressionCv, 0.1 + 0.2},
                        {CriterionKind::StudentizedResiduals, 2.5758293035489}};
    }
    void criteriaTextRoundTrip() {
        QFETCH(Criteria, criteria);
        const auto read = readCriteriaText(criteriaText(criteria));
        QVERIFY(std::holds_alternative<Criteria>(read));
        QVERIFY(std::get<Criteria>(read) == criteria);
    }

    // What people type: commas, comments, blanks, capitals, Windows line ends, a byte-order mark.
    void handWrittenCriteria() {
        const auto read = readCriteriaText("\xEF\xBB\xBF# protocolo\r\n[Criterios]\r\n"
                                           "  R2_MINIMO =  0,995 \r\n; otro\r\n\r\n"
                                           "pendiente_excluye_cero\r\nlimite_deteccion=\r\n"
                                           "recobro_intervalo = 98,5 ; 101,5\r\n");
        QVERIFY(std::holds_alternative<Criteria>(read));
        const Criteria expected{{CriterionKind::Determination, 0.995},
                                {CriterionKind::SlopeExcludesZero, std::nullopt},
                                {CriterionKind::DetectionLimit, std::nullopt},
                                {CriterionKind::RecoveryInterval, 98.5, 101.5}};
        QVERIFY(std::get<Criteria>(read) == expected);
    }

    void malformedCriteria_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString line2 = "Línea 2 de los criterios: ";
        QTest::newRow("unknown") << "[criterios]\nr3_minimo = 1"
                                 << line2 + "criterio desconocido «r3_minimo».";
        QTest::newRow("limit missing")
            << "[criterios]\ncv_maximo" << line2 + "el criterio «cv_maximo» necesita un límite.";
        QTest::newRow("limit not taken") << "[criterios]\nordenada_contiene_cero = 0"
                                         << line2 + "el criterio «ordenada_contiene_cero» no lleva "
                                                    "límite.";
        QTest::newRow("not a number") << "[criterios]\nr2_minimo = 0.9x"
                                      << line2 + "el límite «0.9x» de «r2_minimo» no es un número.";
        QTest::newRow("r2 above one") << "[criterios]\nr2_minimo = 1.01"
                                      << line2 + "el límite de «r2_minimo» debe estar entre 0 y 1.";
        QTest::newRow("p below zero")
            << "[criterios]\nfalta_de_ajuste_p_minimo = -0.05"
            << line2 + "el límite de «falta_de_ajuste_p_minimo» debe estar entre 0 y 1.";
        QTest::newRow("negative") << "[criterios]\nlimite_deteccion = -1"
                                  << line2 +
                                         "el límite de «limite_deteccion» no puede ser negativo.";
        QTest::newRow("repeated") << "cv_maximo = 2\ncv_maximo = 3"
                                  << line2 + "criterio repetido «cv_maximo».";
        QTest::newRow("interval of one number")
            << "[criterios]\nrecobro_intervalo = 98"
            << line2 + "el criterio «recobro_intervalo» necesita dos límites, inferior;superior.";
        QTest::newRow("interval inverted")
            << "[criterios]\nrecobro_intervalo = 102;98"
            << line2 + "los límites de «recobro_intervalo» están invertidos: el inferior es mayor "
                       "que el superior.";
        QTest::newRow("interval not a number")
            << "[criterios]\nrecobro_intervalo = 98;x"
            << line2 + "el límite «x» de «recobro_intervalo» no es un número.";
        QTest::newRow("p of Levene above one")
            << "[criterios]\nhomogeneidad_p_minimo = 5"
            << line2 + "el límite de «homogeneidad_p_minimo» debe estar entre 0 y 1.";
        QTest::newRow("other section")
            << "\n[dictamen]" << line2 + "sección desconocida «[dictamen]».";
    }
    void malformedCriteria() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(QString::fromStdString(readError(text.toStdString())), message);
    }
};

QTEST_MAIN(TestAcceptance)
#include "tst_acceptance.moc"
