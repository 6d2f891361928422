#pragma once

namespace linealidad::arithmetic {

// Checked arithmetic for the statistics engine. Each operation fails as the floating-point
// unit classifies the fault, with the platform's messages (ArithmeticError): x / 0 with x ≠ 0
// and ln 0 are a division by zero; 0 / 0, the square root or logarithm of a negative number
// and NaN are an invalid operation; a result too large for a double is an overflow.

// Returns `value`, or throws when it is not a finite number.
double checked(double value);

double divide(double dividend, double divisor);
double squareRoot(double x);
double ln(double x);
double exponential(double x);

} // namespace linealidad::arithmetic
