#include "core/stats/CheckedArithmetic.h"

#include "core/text/Errors.h"

#include <cmath>

namespace linealidad::arithmetic {

double checked(double value) {
    if (std::isnan(value))
        throw ArithmeticError::invalidOperation();
    if (std::isinf(value))
        throw ArithmeticError::overflow();
    return value;
}

double divide(double dividend, double divisor) {
    if (divisor == 0) {
        if (dividend == 0 || std::isnan(dividend))
            throw ArithmeticError::invalidOperation();
        throw ArithmeticError::divisionByZero();
    }
    return checked(dividend / divisor);
}

double squareRoot(double x) {
    if (x < 0 || std::isnan(x))
        throw ArithmeticError::invalidOperation();
    return std::sqrt(x);
}

double ln(double x) {
    if (x == 0)
        throw ArithmeticError::divisionByZero();
    if (x < 0 || std::isnan(x))
        throw ArithmeticError::invalidOperation();
    return checked(std::log(x));
}

double exponential(double x) {
    return checked(std::exp(checked(x)));
}

} // namespace linealidad::arithmetic
