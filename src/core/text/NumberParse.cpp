#include "core/text/NumberParse.h"

#include "core/text/Errors.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <optional>

namespace linealidad {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> toInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

// Rewrites a number written with `decimal` into C notation, or nothing when it is not one.
std::optional<std::string> toCNotation(const std::string& text, char decimal) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    std::string c;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        c += text[i++];
    int digits = 0;
    bool point = false;
    for (; i < end && (isDigit(text[i]) || (text[i] == decimal && !point)); ++i) {
        if (text[i] == decimal) {
            point = true;
            c += '.';
        } else {
            ++digits;
            c += text[i];
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        c += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            c += text[i++];
        int exponentDigits = 0;
        for (; i < end && isDigit(text[i]); ++i, ++exponentDigits)
            c += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    return c;
}

// Whether a number in C notation lies below one in size: the decimal exponent of its first
// significant digit is negative. Decides whether a value beyond the range of a double is an
// underflow (it reads as zero, as typed) or an overflow (not a number this program can hold).
bool belowOne(const std::string& c) {
    const auto e = c.find('e');
    const std::string mantissa = c.substr(0, e);
    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return true;
    long long exponent = first < point ? static_cast<long long>(point - first) - 1
                                       : -static_cast<long long>(first - point);
    if (e != std::string::npos) {
        long long written = 0;
        const char* begin = c.data() + e + 1 + (c[e + 1] == '+');
        const auto [end, error] = std::from_chars(begin, c.data() + c.size(), written);
        if (error == std::errc::result_out_of_range)
            return *begin == '-';
        exponent += written;
    }
    return exponent < 0;
}

std::optional<double> toFloat(const std::string& text, char decimal) {
    const auto c = toCNotation(text, decimal);
    if (!c)
        return std::nullopt;
    // The text is in C notation now: from_chars reads it the same whatever the process locale.
    const bool negative = c->front() == '-';
    const char* begin = c->data() + (c->front() == '+' || negative);
    double value = 0;
    const auto [end, error] = std::from_chars(begin, c->data() + c->size(), value);
    if (error == std::errc{} && end != c->data() + c->size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        if (!belowOne(*c))
            return std::nullopt; // beyond the range of a double
        value = 0;               // an underflow reads as zero, as typed
    }
    return negative ? -value : value;
}

} // namespace

int parseInteger(const std::string& text) {
    if (const auto value = toInteger(text))
        return *value;
    throw ConversionError("'" + quotedExcerpt(text) + "' is not a valid integer value");
}

double parseFloat(const std::string& text, char decimal) {
    if (const auto value = toFloat(text, decimal))
        return *value;
    throw ConversionError("'" + quotedExcerpt(text) + "' is not a valid floating point value");
}

bool isInteger(const std::string& text) {
    return toInteger(text).has_value();
}

bool isFloat(const std::string& text, char decimal) {
    return toFloat(text, decimal).has_value();
}

bool isDecimalSeparator(const std::string& text) {
    if (text.size() != 1)
        return false;
    const auto c = static_cast<unsigned char>(text[0]);
    return c < 0x80 && std::isgraph(c) && !std::isalnum(c) && c != '+' && c != '-';
}

} // namespace linealidad
