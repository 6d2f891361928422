#include "core/text/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace linealidad {
namespace {

// A non-negative decimal number: digits d1 d2 ... (no leading zero unless the value is zero)
// with the decimal point after `pointPosition` digits (0.d1d2... when it is 0, 0.00d1... when
// it is -2).
struct Decimal {
    std::string digits;
    int pointPosition = 0;
};

// Formats |value| in C notation with `after` digits after the point, in scientific ('e') or
// fixed ('f') style: the exact binary value correctly rounded whatever the precision, with '.'
// as the point whatever the process locale.
std::string printExact(double magnitude, char style, int after) {
    const auto format = style == 'e' ? std::chars_format::scientific : std::chars_format::fixed;
    std::array<char, 2048> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, format, after);
    return std::string(buffer.data(), result.ptr);
}

// Parses what printExact wrote into digits and the position of the point.
Decimal parseC(const std::string& text) {
    Decimal d;
    const auto e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    const auto point = mantissa.find('.');
    d.digits = mantissa.substr(0, point);
    d.pointPosition = static_cast<int>(d.digits.size());
    if (point != std::string::npos)
        d.digits += mantissa.substr(point + 1);
    if (e != std::string::npos) {
        int exponent = 0;
        const std::size_t start = e + 1 + (text[e + 1] == '+');
        std::from_chars(text.data() + start, text.data() + text.size(), exponent);
        d.pointPosition += exponent;
    }
    // Drop leading zeros (a %f text of a value below one), moving the point with them.
    std::size_t zeros = 0;
    while (zeros + 1 < d.digits.size() && d.digits[zeros] == '0')
        ++zeros;
    d.digits.erase(0, zeros);
    d.pointPosition -= static_cast<int>(zeros);
    return d;
}

// Keeps the first `keep` digits of `d`, rounding half away from zero on the exact value whose
// expansion `d` is. `keep` may be zero or negative (the value rounds to zero or to a unit of a
// higher place).
Decimal roundDigits(Decimal d, int keep) {
    if (keep < 0) {
        d.digits.insert(0, static_cast<std::size_t>(-keep), '0');
        d.pointPosition -= keep;
        keep = 0;
    }
    if (static_cast<int>(d.digits.size()) <= keep)
        return d;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
            d.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(0, 1, '1');
            ++d.pointPosition;
        }
    }
    return d;
}

// The first `keep` digits of the exact expansion of `magnitude`, rounded half away from zero.
// The cheap path prints three guard digits; only when they read "500" can the exact value lie
// on either side of the tie, and then the whole expansion is printed (every double has a
// finite one of at most 767 significant digits).
Decimal roundedSignificant(double magnitude, int keep) {
    Decimal guarded = parseC(printExact(magnitude, 'e', keep + 2));
    const std::string guard = guarded.digits.substr(static_cast<std::size_t>(keep));
    if (guard != "500")
        return roundDigits(guarded, keep);
    return roundDigits(parseC(printExact(magnitude, 'e', 800)), keep);
}

// The same, keeping `decimals` digits after the point.
Decimal roundedDecimals(double magnitude, int decimals) {
    Decimal guarded = parseC(printExact(magnitude, 'f', decimals + 3));
    const int keep = guarded.pointPosition + decimals;
    const std::size_t end = static_cast<std::size_t>(std::max(keep, 0));
    const std::string guard = guarded.digits.substr(std::min(end, guarded.digits.size()));
    if (guard != "500")
        return roundDigits(guarded, keep);
    Decimal exact = parseC(printExact(magnitude, 'f', 1100));
    return roundDigits(exact, exact.pointPosition + decimals);
}

bool isZero(const Decimal& d) {
    return std::all_of(d.digits.begin(), d.digits.end(), [](char c) { return c == '0'; });
}

std::string nonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

} // namespace

std::string formatGeneral(double value, int precision, char decimal) {
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0)
        return "0";
    precision = std::clamp(precision, 2, 18);
    Decimal d = roundedSignificant(std::fabs(value), precision);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    const int e = d.pointPosition;
    const int count = static_cast<int>(d.digits.size());
    if (e > precision || e < -3) {
        text += d.digits[0];
        if (count > 1) {
            text += decimal;
            text += d.digits.substr(1);
        }
        text += 'E';
        text += std::to_string(e - 1);
    } else if (e <= 0) {
        text += '0';
        text += decimal;
        text.append(static_cast<std::size_t>(-e), '0');
        text += d.digits;
    } else {
        if (count <= e) {
            text += d.digits;
            text.append(static_cast<std::size_t>(e - count), '0');
        } else {
            text += d.digits.substr(0, static_cast<std::size_t>(e));
            text += decimal;
            text += d.digits.substr(static_cast<std::size_t>(e));
        }
    }
    return text;
}

std::string formatFixed(double value, int width, int decimals, char decimal) {
    std::string text;
    if (!std::isfinite(value)) {
        text = nonFinite(value);
    } else {
        Decimal d = roundedDecimals(std::fabs(value), decimals);
        // Integer part: the digits before the point, "0" when there are none.
        std::string integer;
        std::string fraction;
        for (int i = 0; i < d.pointPosition; ++i)
            integer +=
                i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
        for (int i = d.pointPosition; i < d.pointPosition + decimals; ++i)
            fraction += i >= 0 && i < static_cast<int>(d.digits.size())
                            ? d.digits[static_cast<std::size_t>(i)]
                            : '0';
        if (integer.empty())
            integer = "0";
        if (value < 0 && !isZero(d))
            text = "-";
        text += integer;
        if (decimals > 0) {
            text += decimal;
            text += fraction;
        }
    }
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string formatScientific(double value, int precision, int exponentDigits, char decimal) {
    if (!std::isfinite(value))
        return nonFinite(value);
    precision = std::clamp(precision, 1, 18);
    std::string text = std::signbit(value) && value != 0 ? "-" : " ";
    int exponent = 0;
    std::string digits;
    if (value != 0) {
        const Decimal d = roundedSignificant(std::fabs(value), precision);
        digits = d.digits.substr(0, static_cast<std::size_t>(precision)); // a carry adds a '0'
        exponent = d.pointPosition - 1;
    }
    digits.resize(static_cast<std::size_t>(precision), '0');
    text += digits[0];
    text += decimal;
    text += digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(magnitude.size()) < exponentDigits)
        text.append(static_cast<std::size_t>(exponentDigits) - magnitude.size(), '0');
    return text + magnitude;
}

std::string formatInteger(long long value) {
    return std::to_string(value);
}

} // namespace linealidad
