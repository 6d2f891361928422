#include "core/charts/ChartFill.h"
#include "core/charts/DrawMarker.h"
#include "core/charts/LineStyle.h"
#include "core/charts/PlotTexts.h"
#include "core/stats/StudyObservations.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <algorithm>

using namespace linealidad;

namespace {

// Three levels of two replicates with X and Y on half units, so every text converts exactly,
// written with `decimal` as the separator.
Study halves(char decimal) {
    const std::vector<std::string> x{"1.5", "1.5", "2.5", "2.5", "3.5", "3.5"};
    const std::vector<std::string> y{"1.0", "1.5", "2.5", "2.0", "3.5", "3.0"};
    Study s = test::study({2, 2, 2}, x, y);
    for (int row = 1; row <= 6; ++row)
        for (int column = 1; column <= 2; ++column) {
            std::string text = s.stgdatos.cell(column, row);
            std::replace(text.begin(), text.end(), '.', decimal);
            s.stgdatos.setCell(column, row, text);
        }
    s.eadicionada = "mg";
    s.emedida = "Absorbancia";
    return s;
}

QList<QPointF> points(const Curve& c) {
    QList<QPointF> list;
    for (int i = 0; i < c.count; ++i)
        list << QPointF(c.points[static_cast<std::size_t>(i)].x,
                        c.points[static_cast<std::size_t>(i)].y);
    return list;
}

const QList<QPointF> kData{{1.5, 1.0}, {1.5, 1.5}, {2.5, 2.5}, {2.5, 2.0}, {3.5, 3.5}, {3.5, 3.0}};
const QList<double> kX{1.5, 1.5, 2.5, 2.5, 3.5, 3.5};

void checkStylesAndAxes(const ChartModel& m, const std::string& yLabel) {
    QCOMPARE(m.curve(2).lineStyle, kSolidLine);
    QCOMPARE(m.curve(2).marker, std::uint8_t{kCircleMarker});
    QCOMPARE(m.curve(1).lineStyle, kNoLine);
    QCOMPARE(m.curve(1).marker, std::uint8_t{kTriangleMarker});
    QCOMPARE(m.XLabel, std::string("mg"));
    QCOMPARE(m.YLabel, yLabel);
}

} // namespace

class TestChartFill : public QObject {
    Q_OBJECT
private slots:
    void regression_data() {
        QTest::addColumn<char>("decimal");
        QTest::newRow("point") << '.';
        QTest::newRow("comma") << ',';
    }
    // The fitted value at every observation's X as the line, the observations as the data.
    void regression() {
        QFETCH(char, decimal);
        ResultadosRegresion fit;
        fit.Pendiente = 0.75;
        fit.Ordenada = 0.25;
        ChartModel m;
        const Study study = halves(decimal);
        fillRegressionChart(m, study, readObservations(study, decimal), fit);
        QList<QPointF> line;
        for (double x : kX)
            line << QPointF(x, 0.75 * x + 0.25);
        QCOMPARE(points(m.curve(2)), line);
        QCOMPARE(points(m.curve(1)), kData);
        QCOMPARE(m.curve(3).count, 0);
        checkStylesAndAxes(m, "Absorbancia");
    }

    void residuals_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("drawn");
        QTest::newRow("none after a zero slope") << 0 << 0;
        QTest::newRow("fewer than the observations") << 4 << 4;
        QTest::newRow("one per observation") << 6 << 6;
        QTest::newRow("more than the observations") << 8 << 6;
    }
    // The zero line at every observation's X; as many residuals as both the analysis and the
    // observations have.
    void residuals() {
        QFETCH(int, held);
        QFETCH(int, drawn);
        Residuals r;
        for (int i = 0; i < held; ++i)
            r.Estudentizado.push_back(0.5 * i - 1);
        ChartModel m;
        const Study study = halves('.');
        fillResidualsChart(m, study, readObservations(study, '.'), r);
        QList<QPointF> zero, residuals;
        for (double x : kX)
            zero << QPointF(x, 0);
        for (int i = 0; i < drawn; ++i)
            residuals << QPointF(kX[i], 0.5 * i - 1);
        QCOMPARE(points(m.curve(2)), zero);
        QCOMPARE(points(m.curve(1)), residuals);
        // The residuals are not values of the property: the label says what they are.
        checkStylesAndAxes(m, "Residuo estudentizado (Absorbancia)");
    }

    void residualsLabelWithoutAProperty() {
        QCOMPARE(residualsAxisLabel(""), std::string("Residuo estudentizado"));
        QCOMPARE(residualsAxisLabel("Área"), std::string("Residuo estudentizado (Área)"));
    }

    // A label longer than the chart is high goes into columns, broken between words.
    void verticalColumns_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("fits") << "Área" << 4 << QStringList{"Área"};
        QTest::newRow("two words") << "Residuo estudentizado (Área)" << 22
                                   << QStringList{"Residuo estudentizado", "(Área)"};
        QTest::newRow("three columns") << "ab cd ef" << 3 << QStringList{"ab", "cd", "ef"};
        QTest::newRow("a word longer than a column")
            << "a abcdefg" << 4 << QStringList{"a", "abcd", "efg"};
        QTest::newRow("double blanks") << "ab  cd" << 4 << QStringList{"ab", "cd"};
    }
    void verticalColumns() {
        QFETCH(QString, label);
        QFETCH(int, rows);
        QFETCH(QStringList, columns);
        QStringList joined;
        for (const auto& column : linealidad::verticalColumns(label.toStdString(), rows)) {
            QVERIFY(static_cast<int>(column.size()) <= rows);
            std::string text;
            for (const std::string& letter : column)
                text += letter;
            joined << QString::fromStdString(text);
        }
        QCOMPARE(joined, columns);
    }
};

QTEST_APPLESS_MAIN(TestChartFill)
#include "tst_chartfill.moc"
