#include "support/CompareNear.h"

#include <QByteArray>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace linealidad::test {
namespace {

// Every digit a double holds, so two different values never print alike.
QByteArray number(double value) {
    return QByteArray::number(value, 'g', 17);
}

// Records the failure with both values, QCOMPARE's layout, and the difference against what
// was allowed.
bool fail(const QByteArray& what, double actual, double expected, const char* actualText,
          const char* expectedText, const char* file, int line) {
    const QByteArray actualLabel = QByteArray("Actual   (") + actualText + ")";
    const QByteArray expectedLabel = QByteArray("Expected (") + expectedText + ")";
    const auto width = std::max(actualLabel.size(), expectedLabel.size());
    const QByteArray message =
        what + "\n   " + actualLabel.leftJustified(width) + ": " + number(actual) + "\n   " +
        expectedLabel.leftJustified(width) + ": " + number(expected) + "\n   " +
        QByteArray("Difference").leftJustified(width) + ": " + number(actual - expected);
    QTest::qFail(message.constData(), file, line);
    return false;
}

} // namespace

bool compareNear(double actual, double expected, double tolerance, const char* actualText,
                 const char* expectedText, const char* file, int line) {
    // Written so that a NaN on either side fails.
    if (std::fabs(actual - expected) <= tolerance)
        return true;
    return fail("Compared values differ by more than " + number(tolerance), actual, expected,
                actualText, expectedText, file, line);
}

bool compareDigits(double actual, double expected, int digits, const char* actualText,
                   const char* expectedText, const char* file, int line) {
    const double difference = std::fabs(actual - expected);
    if (difference <= std::fabs(expected) * std::pow(10.0, -digits))
        return true;
    // The digits they share: the log relative error, as certified-data comparisons give it.
    const double shared = -std::log10(difference / std::fabs(expected));
    return fail("Compared values agree to " + QByteArray::number(shared, 'f', 1) +
                    " significant digits, not " + QByteArray::number(digits),
                actual, expected, actualText, expectedText, file, line);
}

} // namespace linealidad::test
