#pragma once

namespace linealidad::aritmetica {

// Checked arithmetic for the statistics engine. Each operation fails as the floating-point
// unit classifies the fault, with the platform's messages (ArithmeticError): x / 0 with x ≠ 0
// and ln 0 are a division by zero; 0 / 0, the square root or logarithm of a negative number
// and NaN are an invalid operation; a result too large for a double is an overflow.

// Returns `value`, or throws when it is not a finite number.
double comprobado(double value);

double dividir(double dividendo, double divisor);
double raiz(double x);
double ln(double x);
double exponencial(double x);

} // namespace linealidad::aritmetica
