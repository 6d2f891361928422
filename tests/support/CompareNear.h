#pragma once

// Comparisons of computed numbers that, on failure, print the expression, the expected and the
// actual value and their difference, as QCOMPARE does for equal values. Like QCOMPARE, they
// end the test function they fail in.

// |actual - expected| <= tolerance.
#define QCOMPARE_NEAR(actual, expected, tolerance)                                                 \
    do {                                                                                           \
        if (!::linealidad::test::compareNear((actual), (expected), (tolerance), #actual,           \
                                             #expected, __FILE__, __LINE__))                       \
            return;                                                                                \
    } while (false)

// `actual` agrees with `expected` to `digits` significant digits:
// |actual - expected| <= |expected| * 10^-digits (for an expected value other than 0).
#define QCOMPARE_DIGITS(actual, expected, digits)                                                  \
    do {                                                                                           \
        if (!::linealidad::test::compareDigits((actual), (expected), (digits), #actual, #expected, \
                                               __FILE__, __LINE__))                                \
            return;                                                                                \
    } while (false)

namespace linealidad::test {

bool compareNear(double actual, double expected, double tolerance, const char* actualText,
                 const char* expectedText, const char* file, int line);

bool compareDigits(double actual, double expected, int digits, const char* actualText,
                   const char* expectedText, const char* file, int line);

} // namespace linealidad::test
