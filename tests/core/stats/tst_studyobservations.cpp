// The one conversion of a study's texts into the numbers every computation takes.

#include "core/stats/StudyObservations.h"
#include "core/text/Errors.h"
#include "support/TestStudies.h"

#include <QtTest>

using namespace linealidad;

using Numbers = std::vector<double>;

Q_DECLARE_METATYPE(Numbers)
Q_DECLARE_METATYPE(std::vector<Numbers>)

namespace {

// The Y of each level.
std::vector<Numbers> levelYs(const Observations& data) {
    std::vector<Numbers> ys;
    for (const Level& level : data.levels)
        ys.push_back(level.y);
    return ys;
}

} // namespace

class TestStudyObservations : public QObject {
    Q_OBJECT
private slots:
    // Rows 1 to n in row order, then the same numbers grouped by the replicate counts.
    void grouping_data() {
        QTest::addColumn<std::vector<int>>("replicates");
        QTest::addColumn<Numbers>("y");
        QTest::addColumn<std::vector<Numbers>>("levels");
        QTest::newRow("two each") << std::vector<int>{2, 2, 2} << Numbers{1, 2, 3, 4, 5, 6}
                                  << std::vector<Numbers>{{1, 2}, {3, 4}, {5, 6}};
        QTest::newRow("unequal") << std::vector<int>{1, 3, 2} << Numbers{1, 2, 3, 4, 5, 6}
                                 << std::vector<Numbers>{{1}, {2, 3, 4}, {5, 6}};
        QTest::newRow("a level without replicates")
            << std::vector<int>{3, 0, 3} << Numbers{1, 2, 3, 4, 5, 6}
            << std::vector<Numbers>{{1, 2, 3}, {}, {4, 5, 6}};
        // A negative count (the capture checks let one through) makes the next level start
        // again inside the earlier rows, as the variance table has always grouped them.
        QTest::newRow("a negative count") << std::vector<int>{3, -1, 1} << Numbers{1, 2, 3}
                                          << std::vector<Numbers>{{1, 2, 3}, {}, {3}};
    }
    void grouping() {
        QFETCH(std::vector<int>, replicates);
        QFETCH(Numbers, y);
        QFETCH(std::vector<Numbers>, levels);
        std::vector<std::string> xTexts, yTexts;
        for (double value : y) {
            xTexts.push_back(std::to_string(static_cast<int>(10 * value)));
            yTexts.push_back(std::to_string(static_cast<int>(value)));
        }
        const Observations data = readObservations(test::study(replicates, xTexts, yTexts), '.');
        QCOMPARE(data.y, y);
        QCOMPARE(data.x.size(), y.size());
        QCOMPARE(data.x.back(), 10 * y.back());
        QCOMPARE(levelYs(data), levels);
        QCOMPARE(data.levels.back().x.size(), levels.back().size());
    }

    // The first text that is not a number, in row order and X before Y, stops the reading with
    // the platform's message.
    void conversionFaults_data() {
        QTest::addColumn<char>("decimal");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("Y with the other separator") << '.' << 2 << 3 << "2,1"
                                                    << "'2,1' is not a valid floating point value";
        QTest::newRow("the study read with a decimal comma")
            << ',' << 2 << 3 << "2,1"
            << "'1.0' is not a valid floating point value";
        QTest::newRow("an X") << '.' << 1 << 5 << "tres"
                              << "'tres' is not a valid floating point value";
        QTest::newRow("an empty text") << '.' << 1 << 2 << ""
                                       << "'' is not a valid floating point value";
    }
    void conversionFaults() {
        QFETCH(char, decimal);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Study study = test::workedExample();
        study.stgdatos.setCell(column, row, text.toStdString());
        try {
            readObservations(study, decimal);
            QFAIL("no conversion error");
        } catch (const ConversionError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), message);
        }
    }

    void workedExampleInBothSeparators_data() {
        QTest::addColumn<char>("decimal");
        QTest::newRow("point") << '.';
        QTest::newRow("comma") << ',';
    }
    void workedExampleInBothSeparators() {
        QFETCH(char, decimal);
        const Observations data = readObservations(test::workedExample(decimal), decimal);
        QCOMPARE(data.x, (Numbers{1, 1, 2, 2, 3, 3}));
        QCOMPARE(data.y, (Numbers{1.0, 1.2, 2.1, 1.9, 3.2, 2.9}));
        QCOMPARE(data.levels.size(), std::size_t(3));
    }
};

QTEST_APPLESS_MAIN(TestStudyObservations)
#include "tst_studyobservations.moc"
