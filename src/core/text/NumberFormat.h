#pragma once

#include <string>

namespace linealidad {

// The three number-to-text conversions of the program. The decimal separator is a parameter;
// the windows pass the system locale's, the command-line tool the process locale's.

// General format with `precision` significant digits (held between 2 and 18): the exact binary
// value rounded to that many digits, an exact tie away from zero; fixed notation unless the
// decimal exponent is above the precision or below -3; never trailing zeros. 1500, 0.00123,
// 1.5E-5, 2.5E10, -12.5, 0.
std::string formatGeneral(double value, int precision, char decimal = '.');

// Fixed notation with `decimals` decimals, right-aligned with blanks in a field of `width`
// characters (longer when the value does not fit).
std::string formatFixed(double value, int width, int decimals, char decimal = '.');

// Scientific notation with `precision` significant digits (the exact binary value rounded half
// away from zero): a sign place (blank or "-"), one digit, the separator, the other digits, "E",
// the exponent's sign and at least `exponentDigits` exponent digits. 25000 with precision 4 and
// 4 exponent digits is " 2.500E+0004".
std::string formatScientific(double value, int precision, int exponentDigits, char decimal = '.');

// Plain decimal integer, "-" when negative.
std::string formatInteger(long long value);

} // namespace linealidad
