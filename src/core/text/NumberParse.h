#pragma once

#include <string>

namespace linealidad {

// Text-to-number conversions in the locale's decimal separator. A text that is not a number
// throws ConversionError with the message the generic error report shows; the message quotes
// the text as quotedExcerpt does (at most 40 bytes, NUL visible).

// Optional leading blanks, an optional sign and decimal digits, within the 32-bit range.
// Otherwise: "'<text>' is not a valid integer value".
int parseInteger(const std::string& text);

// Optional blanks around an optional sign, digits with at most one decimal separator (at least
// one digit in all) and an optional exponent (E or e, optional sign, digits), within the range
// of a double. Otherwise: "'<text>' is not a valid floating point value".
double parseFloat(const std::string& text, char decimal = '.');

// The same checks without the exception, for the capture checks that only ask "is it a number".
bool isInteger(const std::string& text);
bool isFloat(const std::string& text, char decimal = '.');

// Whether a text given on a command line can be the decimal separator: one character that
// cannot be part of a number itself (not a digit, a sign, an exponent letter or a blank, nor a
// byte of a multi-byte character).
bool isDecimalSeparator(const std::string& text);

} // namespace linealidad
