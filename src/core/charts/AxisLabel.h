#pragma once

#include <string>

namespace linealidad {

// The text of an axis tick: at most six characters of fixed notation, cut off rather than
// rounded (12.5, 1234.5, 0.05, -12.5), or for magnitudes up to 0.01 and from 10000 on four
// significant digits in short scientific form (2.5E+4, 1.E+4, 5.E-3, 1.235E+5); zero is "0".
std::string AxisLabel(double value, char decimal = '.');

} // namespace linealidad
