#include "core/charts/ChartModel.h"
#include "core/results/ChartCommands.h"
#include "core/results/InferenceText.h"
#include "core/results/ReportText.h"
#include "core/results/ResultCommands.h"
#include "core/text/Errors.h"
#include "support/RowsToString.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;
using Lines = std::vector<std::string>;

namespace {

enum class Command { Inference, Variance, Residuals, Report };

// What a command left behind: the parts its sink received, whether it gave a result, and the
// fault that ended it, if one did.
struct Run {
    std::vector<Lines> parts;
    bool written = false;
    QString fault;
    ResultSet results;

    int lineCount() const {
        int n = 0;
        for (const Lines& part : parts)
            n += static_cast<int>(part.size());
        return n;
    }
};

Run run(Command command, const Study& study) {
    Run r;
    const LineSink sink = [&r](const Lines& lines) { r.parts.push_back(lines); };
    try {
        switch (command) {
        case Command::Inference:
            r.written = inferenceCommand(study, '.', r.results, sink);
            break;
        case Command::Variance:
            r.written = varianceCommand(study, '.', r.results).has_value();
            break;
        case Command::Residuals:
            r.written = residualsCommand(study, '.', r.results).has_value();
            break;
        case Command::Report:
            r.written = reportCommand(study, '.', r.results, sink);
            break;
        }
    } catch (const Fault& e) {
        r.fault = QString::fromUtf8(e.what());
    }
    return r;
}

Study zeroSlope() {
    return test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                       {"4", "4.5", "4", "4.5", "4", "4.5"});
}

// Every level's replicates identical: the fit succeeds, the analysis of variance divides by a
// zero pure-error mean square.
Study identicalReplicates() {
    return test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                       {"1", "1", "2.5", "2.5", "3", "3"});
}

// A perfect fit: the fit itself divides by zero.
Study perfectFit() {
    return test::study({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"});
}

Lines joined(const std::vector<Lines>& parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Study)

class TestResultCommands : public QObject {
    Q_OBJECT
private slots:
    void zeroSlopeGivesNothing_data() {
        QTest::addColumn<Command>("command");
        QTest::newRow("inference") << Command::Inference;
        QTest::newRow("variance") << Command::Variance;
        QTest::newRow("residuals") << Command::Residuals;
        QTest::newRow("report") << Command::Report;
    }
    void zeroSlopeGivesNothing() {
        QFETCH(Command, command);
        const Run r = run(command, zeroSlope());
        QVERIFY(!r.written);
        QVERIFY(r.fault.isEmpty());
        QVERIFY(r.parts.empty());
        QVERIFY(r.results.PendienteCero);
    }

    // A fault ends the command where it occurs; the sink holds the parts written before it.
    void faultKeepsWhatWasWritten_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<Study>("study");
        QTest::addColumn<int>("lines");
        const Study identical = identicalReplicates();
        QTest::newRow("inference, fault in the variance") << Command::Inference << identical << 14;
        QTest::newRow("report, fault in the variance")
            << Command::Report << identical << 29 + 3 + 6;
        QTest::newRow("variance") << Command::Variance << identical << 0;
        QTest::newRow("residuals") << Command::Residuals << identical << 0;
        QTest::newRow("inference, fault in the fit") << Command::Inference << perfectFit() << 0;
        QTest::newRow("report, fault in the fit") << Command::Report << perfectFit() << 0;
    }
    void faultKeepsWhatWasWritten() {
        QFETCH(Command, command);
        QFETCH(Study, study);
        QFETCH(int, lines);
        const Run r = run(command, study);
        QCOMPARE(r.fault, QStringLiteral("Floating point division by zero"));
        QVERIFY(!r.written);
        QCOMPARE(r.lineCount(), lines);
        QVERIFY(r.parts.size() <= 1);
    }

    // The study's numbers are read before anything is computed: a text that is not a number
    // stops every command with its message, nothing written.
    void conversionFaultWritesNothing_data() { zeroSlopeGivesNothing_data(); }
    void conversionFaultWritesNothing() {
        QFETCH(Command, command);
        Study study = test::workedExample();
        study.stgdatos.setCell(2, 6, "2.9.1");
        const Run r = run(command, study);
        QCOMPARE(r.fault, QStringLiteral("'2.9.1' is not a valid floating point value"));
        QVERIFY(!r.written);
        QVERIFY(r.parts.empty());
    }

    // The parts, in order, make up the whole text of the window.
    void workedExampleInParts() {
        const Study study = test::workedExample();
        const Run inference = run(Command::Inference, study);
        QVERIFY(inference.written);
        QCOMPARE(inference.parts.size(), std::size_t(2));
        QCOMPARE(inference.parts[0].size(), std::size_t(14));
        QCOMPARE(joined(inference.parts),
                 inferenceMemo(study, '.', inference.results.regression, inference.results.anova));

        const Run report = run(Command::Report, study);
        QCOMPARE(report.parts.size(), std::size_t(2));
        QCOMPARE(report.parts[0], reportStudyAndInference(study, '.', report.results.regression));
        QCOMPARE(joined(report.parts),
                 linealidad::report(study, '.', report.results.regression, report.results.anova,
                                    report.results.residuals));
    }

    // The chart commands compute what the text commands do and draw one point of each curve
    // per observation; a text that is not a number stops them before the chart is touched.
    void chartCommands_data() {
        QTest::addColumn<bool>("residuals");
        QTest::addColumn<bool>("typo");
        QTest::newRow("regression") << false << false;
        QTest::newRow("residuals") << true << false;
        QTest::newRow("regression, not a number") << false << true;
        QTest::newRow("residuals, not a number") << true << true;
    }
    void chartCommands() {
        QFETCH(bool, residuals);
        QFETCH(bool, typo);
        Study study = test::workedExample();
        if (typo)
            study.stgdatos.setCell(2, 6, "2.9.1");
        ResultSet results;
        ChartModel model;
        const auto command = residuals ? residualsChartCommand : regressionChartCommand;
        QString fault;
        try {
            command(study, '.', results, model);
        } catch (const Fault& e) {
            fault = QString::fromUtf8(e.what());
        }
        const int drawn = typo ? 0 : 6;
        QCOMPARE(model.curve(1).count, drawn);
        QCOMPARE(model.curve(2).count, drawn);
        if (typo) {
            QCOMPARE(fault, QStringLiteral("'2.9.1' is not a valid floating point value"));
            return;
        }
        const Run inference = run(Command::Inference, study);
        QCOMPARE(results.regression.Pendiente, inference.results.regression.Pendiente);
        QCOMPARE(results.regression.Ordenada, inference.results.regression.Ordenada);
        if (residuals)
            QCOMPARE(results.residuals.Estudentizado,
                     run(Command::Residuals, study).results.residuals.Estudentizado);
    }

    // A study without an origin verdict gets no second part.
    void noOriginSentenceNoSecondPart() {
        // Y scattered about a constant: the intercept is far from zero, the regression is not
        // significant.
        const Run r =
            run(Command::Inference, test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                                {"10", "11", "10.9", "10", "10.2", "11"}));
        QVERIFY(r.written);
        QCOMPARE(r.parts.size(), std::size_t(1));
    }
};

QTEST_MAIN(TestResultCommands)
#include "tst_resultcommands.moc"
