#pragma once

namespace linealidad {

// x raised to y, as exp(y · ln x); defined for x > 0 (a zero or negative base is an
// arithmetic fault).
double Potencia(double x, double y);

// The probability that an F variable with d1 and d2 degrees of freedom exceeds F, by the
// cube-root normal approximation of the F distribution (Paulson) with the normal upper tail of
// a fourth-degree rational approximation (Handbook of Mathematical Functions, 26.2.18). The
// approximation's own constants are kept: exponents 0.333 and 0.666, the small-d2 correction.
double ProbabilidadF(double F, double d1, double d2);

} // namespace linealidad
