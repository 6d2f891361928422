#pragma once

namespace linealidad {

// The distributions of the validation statistics, exact to the precision of a double (Boost.Math):
// unlike ProbabilidadF, no approximation of the program's own. Arguments outside a
// distribution's domain give NaN, which the callers turn into "no aplicable".

// The probability that an F variable with d1 and d2 degrees of freedom exceeds `F`.
double fUpperTail(double F, double d1, double d2);
// The F below which an F variable with d1 and d2 degrees of freedom falls with probability `p`.
double fQuantile(double p, double d1, double d2);
// The probability that a chi-squared variable with `df` degrees of freedom exceeds `x`.
double chiSquaredUpperTail(double x, double df);
// The t below which a Student t variable with `df` degrees of freedom falls with probability `p`.
double studentQuantile(double p, double df);
// The standard normal distribution: the z below which it falls with probability `p`, and the
// probability that it exceeds `z`.
double normalQuantile(double p);
double normalUpperTail(double z);

} // namespace linealidad
