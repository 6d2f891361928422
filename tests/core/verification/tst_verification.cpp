#include "core/printing/PrintSheets.h"
#include "core/results/ZeroSlope.h"
#include "core/verification/Verification.h"
#include "core/verification/VerificationSheets.h"
#include "core/verification/VerificationText.h"
#include "support/CompareNear.h"
#include "support/PlacedTexts.h"
#include "support/RecordingDocument.h"
#include "support/RowsToString.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <map>

using namespace linealidad;

Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

// The shipped data sets with the value of check `index` (counted over all of them) multiplied
// by `factor`.
std::vector<ReferenceDataSet> withValueScaled(int index, double factor) {
    std::vector<ReferenceDataSet> sets = shippedDataSets();
    for (ReferenceDataSet& set : sets)
        for (ReferenceValue& value : set.values)
            if (index-- == 0)
                value.expected *= factor;
    return sets;
}

int shippedCheckCount() {
    int count = 0;
    for (const ReferenceDataSet& set : shippedDataSets())
        count += static_cast<int>(set.values.size());
    return count;
}

// Every text laid out on the sheets, in order.
QStringList sheetTexts(const std::vector<Sheet>& sheets) {
    QStringList texts;
    for (const Sheet& sheet : sheets)
        for (const SheetItem& item : sheet.items)
            if (const auto* text = std::get_if<SheetText>(&item))
                texts << QString::fromStdString(text->text);
    return texts;
}

} // namespace

class TestVerification : public QObject {
    Q_OBJECT
private slots:
    void everyShippedCheckPasses() {
        const std::vector<CheckOutcome> outcomes = runChecks(shippedDataSets());
        QCOMPARE(static_cast<int>(outcomes.size()), shippedCheckCount());
        for (const CheckOutcome& c : outcomes) {
            QVERIFY2(c.passes, qPrintable(QString("%1: %2 digits, %3 demanded")
                                              .arg(QString::fromStdString(c.name))
                                              .arg(c.digits)
                                              .arg(c.required)));
            QVERIFY(c.required >= 6);
        }
        QCOMPARE(summaryLine(outcomes), std::to_string(outcomes.size()) + " de " +
                                            std::to_string(outcomes.size()) +
                                            " verificaciones correctas");
    }

    // Each reference value moved by ten units of the last digit its check demands fails that
    // check and no other; moved by a tenth of a unit, it still passes.
    void alteredReference_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shift"); // the change, in powers of ten of the last demanded digit
        QTest::addColumn<bool>("passes");
        const std::vector<CheckOutcome> shipped = runChecks(shippedDataSets());
        for (int k = 0; k < static_cast<int>(shipped.size()); ++k) {
            const char* name = shipped[static_cast<std::size_t>(k)].name.c_str();
            QTest::addRow("%s, 10 unidades", name) << k << 1 << false;
            QTest::addRow("%s, 0.1 unidades", name) << k << -1 << true;
        }
    }

    void alteredReference() {
        QFETCH(int, index);
        QFETCH(int, shift);
        QFETCH(bool, passes);
        const std::vector<CheckOutcome> shipped = runChecks(shippedDataSets());
        const int required = shipped[static_cast<std::size_t>(index)].required;
        const double factor = 1 + std::pow(10.0, shift - required);
        const std::vector<CheckOutcome> outcomes = runChecks(withValueScaled(index, factor));
        for (int k = 0; k < static_cast<int>(outcomes.size()); ++k)
            QCOMPARE(outcomes[static_cast<std::size_t>(k)].passes, k == index ? passes : true);
        QCOMPARE(passedCount(outcomes), static_cast<int>(outcomes.size()) - (passes ? 0 : 1));
    }

    // A data set whose computations stop fails each of its checks with the reason; the others
    // are not touched.
    void stoppedComputations_data() {
        QTest::addColumn<std::vector<int>>("replicates");
        QTest::addColumn<std::vector<std::string>>("y");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pendiente cero")
            << std::vector<int>{1, 1, 1} << std::vector<std::string>{"2", "2", "2"}
            << QString(kZeroSlopeMessage);
        QTest::newRow("ajuste exacto")
            << std::vector<int>{1, 1, 1} << std::vector<std::string>{"2", "4", "6"}
            << QString("Floating point division by zero");
    }

    void stoppedComputations() {
        QFETCH(std::vector<int>, replicates);
        QFETCH(std::vector<std::string>, y);
        QFETCH(QString, reason);
        std::vector<ReferenceDataSet> sets = shippedDataSets();
        sets.insert(sets.begin() + 1, {"Roto",
                                       referenceStudy(replicates, {"1", "2", "3"}, y),
                                       {shownValue(ReferenceFigure::Slope, 2),
                                        shownValue(ReferenceFigure::Determination, 1)}});
        const std::vector<CheckOutcome> outcomes = runChecks(sets);
        const std::size_t first = sets.front().values.size();
        for (std::size_t k = first; k < first + 2; ++k) {
            QVERIFY(!outcomes[k].passes);
            QVERIFY(!outcomes[k].obtained);
            QCOMPARE(QString::fromStdString(outcomes[k].failure), reason);
            QCOMPARE(QString::fromStdString(checkCells(outcomes[k], '.')[2]), reason);
            QCOMPARE(checkCells(outcomes[k], '.')[5], std::string(kCheckFails));
        }
        QCOMPARE(passedCount(outcomes), static_cast<int>(outcomes.size()) - 2);
    }

    void agreement_data() {
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("obtained");
        QTest::addColumn<double>("digits");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("iguales") << 0.975 << 0.975 << 15.0;
        QTest::newRow("ceros") << 0.0 << 0.0 << 15.0;
        QTest::newRow("última cifra de un double") << 1.0 << std::nextafter(1.0, 2.0) << 15.0;
        QTest::newRow("tres cifras") << 1000.0 << 1001.0 << 3.0;
        QTest::newRow("seis cifras, negativo") << -2.0 << -2.000002 << 6.0;
        QTest::newRow("esperado cero") << 0.0 << 1e-9 << 9.0;
        QTest::newRow("signo contrario") << 1.0 << -1.0 << 0.0;
        QTest::newRow("NaN") << 1.0 << nan << 0.0;
        QTest::newRow("infinito") << 1.0 << infinity << 0.0;
    }

    void agreement() {
        QFETCH(double, expected);
        QFETCH(double, obtained);
        QFETCH(double, digits);
        QCOMPARE_NEAR(agreementDigits(expected, obtained), digits, 1e-9);
    }

    void cellsWithCommaDecimals() {
        CheckOutcome c{"Ejemplo: pendiente", 0.975, 0.97499999999, {}, 10.61, 6, true};
        QCOMPARE(checkCells(c, ','),
                 (std::vector<std::string>{"Ejemplo: pendiente", "0,975", "0,97499999999", "10,6",
                                           "6", "correcta"}));
    }

    // The shipped checks printed: every text within the sheet and apart from the others on
    // its line, the longest names of the checks of the validation statistics included.
    void shippedChecksFitTheSheet() {
        const std::vector<Sheet> sheets =
            verificationSheets(runChecks(shippedDataSets()), {"3.1", "09/12/2026", "pc"}, ',');
        test::RecordingDocument document;
        printSheets(document, sheets, test::testStamp());
        for (int page = 0; page < document.pageCount(); ++page) {
            std::map<int, std::vector<std::pair<int, int>>> rows; // y: [x, right edge]
            for (const auto& t : document.texts(page)) {
                const int right =
                    t.x + std::abs(t.font.height) / 2 * test::RecordingCanvas::codePoints(t.text);
                QVERIFY2(right <= test::RecordingDocument::kWidth, t.text.c_str());
                rows[t.y].push_back({t.x, right});
            }
            for (auto& [y, cells] : rows) {
                std::sort(cells.begin(), cells.end());
                for (std::size_t i = 1; i < cells.size(); ++i)
                    QVERIFY2(cells[i - 1].second < cells[i].first, QByteArray::number(y));
            }
        }
    }

    // The printed table: the stamp on every sheet, fifty checks a sheet, the summary at the end.
    void sheets() {
        std::vector<CheckOutcome> outcomes(120, CheckOutcome{"c", 1, 1, {}, 15, 6, true});
        outcomes[7].passes = false;
        const std::vector<Sheet> sheets =
            verificationSheets(outcomes, {"3.1", "09/12/2026", "laboratorio-3"}, '.');
        QCOMPARE(sheets.size(), std::size_t(3));
        for (const Sheet& sheet : sheets) {
            const QStringList texts = sheetTexts({sheet});
            QVERIFY(texts.contains("Programa: Linealidad 3.1"));
            QVERIFY(texts.contains("Fecha: 09/12/2026"));
            QVERIFY(texts.contains("Computadora: laboratorio-3"));
            QVERIFY(texts.contains("Resultado"));
        }
        const QStringList all = sheetTexts(sheets);
        QCOMPARE(all.count("c"), 120);
        QCOMPARE(all.count(kCheckFails), 1);
        QCOMPARE(sheetTexts({sheets[2]}).count("c"), 20);
        QVERIFY(sheetTexts({sheets[2]}).contains("119 de 120 verificaciones correctas"));
    }
};

QTEST_APPLESS_MAIN(TestVerification)
#include "tst_verification.moc"
