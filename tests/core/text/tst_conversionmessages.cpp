#include "core/text/Errors.h"
#include "core/text/NumberParse.h"

#include <QtTest>

using namespace linealidad;

namespace {

std::string floatMessage(const std::string& text) {
    try {
        parseFloat(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return {};
}

std::string integerMessage(const std::string& text) {
    try {
        parseInteger(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return {};
}

} // namespace

// The conversion messages quote at most 40 bytes of the cell, whole characters only, and show
// a NUL byte instead of ending at it.
class TestConversionMessages : public QObject {
    Q_OBJECT
private slots:
    void quotedText_data() {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QByteArray>("quoted");
        const QByteArray forty(40, '7');
        QTest::newRow("corto") << QByteArray("1,5") << QByteArray("1,5");
        QTest::newRow("vacío") << QByteArray("") << QByteArray("");
        QTest::newRow("40 bytes") << (forty.left(39) + "x") << (forty.left(39) + "x");
        QTest::newRow("41 bytes") << (forty + "x") << (forty + "…");
        // "é" takes bytes 40 and 41: the cut falls inside it, so it goes whole.
        QTest::newRow("carácter partido") << (forty.left(39) + "é") << (forty.left(39) + "…");
        QTest::newRow("carácter entero") << (forty.left(38) + "é") << (forty.left(38) + "é");
        QTest::newRow("NUL") << QByteArray("1\0002", 3) << QByteArray("1␀2");
        QTest::newRow("NUL al final") << QByteArray("12\000", 3) << QByteArray("12␀");
        QTest::newRow("NUL tras el corte") << (forty + QByteArray("\0009", 2)) << (forty + "…");
    }

    void quotedText() {
        QFETCH(QByteArray, cell);
        QFETCH(QByteArray, quoted);
        const std::string text = cell.toStdString();
        QCOMPARE(floatMessage(text),
                 "'" + quoted.toStdString() + "' is not a valid floating point value");
        QCOMPARE(integerMessage(text),
                 "'" + quoted.toStdString() + "' is not a valid integer value");
    }

    void hugeCellMakesAShortMessage() {
        // Ten megabytes of digits with a letter at the end: the message keeps 40 of them.
        const std::string cell = std::string(10'000'000, '1') + "x";
        const std::string message = floatMessage(cell);
        QCOMPARE(message, "'" + std::string(40, '1') + "…' is not a valid floating point value");
        QCOMPARE(genericReportText(integerMessage(cell)),
                 "'" + std::string(40, '1') + "…' is not a valid integer value.");
    }
};

QTEST_APPLESS_MAIN(TestConversionMessages)
#include "tst_conversionmessages.moc"
