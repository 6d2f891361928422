#include "core/charts/AxisLabel.h"

#include "core/text/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace linealidad {
namespace {

std::string withoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

// Four decimals cut to six characters, then trailing zeros and a bare separator dropped.
std::string fixedLabel(double value, char decimal) {
    std::string text = withoutBlanks(formatFixed(value, 10, 4, decimal));
    while (text.size() > 6)
        text.pop_back();
    // Only a fraction loses its trailing zeros: -9999.99999 rounds to -10000.0000, whose first
    // six characters hold no separator, and must stay -10000.
    if (text.find(decimal) == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == decimal)
        text.pop_back();
    return text;
}

// " 2.500E+0004" becomes "2.5E+4": zeros before the E and leading exponent zeros go.
std::string scientificLabel(double value, char decimal) {
    std::string text = withoutBlanks(formatScientific(value, 4, 4, decimal));
    std::size_t e = text.find('E');
    if (e == std::string::npos)
        return text; // not a finite number
    while (e > 0 && text[e - 1] == '0') {
        text.erase(e - 1, 1);
        --e;
    }
    const std::size_t exponent = e + 2; // after "E" and its sign
    while (exponent < text.size() && text[exponent] == '0')
        text.erase(exponent, 1);
    return text;
}

} // namespace

std::string AxisLabel(double value, char decimal) {
    if (value == 0)
        return "0";
    const double magnitude = std::fabs(value);
    if (magnitude > 0.01 && magnitude < 10000)
        return fixedLabel(value, decimal);
    return scientificLabel(value, decimal);
}

} // namespace linealidad
