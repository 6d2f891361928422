#include "stats/Aritmetica.h"

#include "text/Errors.h"

#include <cmath>

namespace linealidad::aritmetica {

double comprobado(double value) {
    if (std::isnan(value))
        throw ArithmeticError::invalidOperation();
    if (std::isinf(value))
        throw ArithmeticError::overflow();
    return value;
}

double dividir(double dividendo, double divisor) {
    if (divisor == 0) {
        if (dividendo == 0 || std::isnan(dividendo))
            throw ArithmeticError::invalidOperation();
        throw ArithmeticError::divisionByZero();
    }
    return comprobado(dividendo / divisor);
}

double raiz(double x) {
    if (x < 0 || std::isnan(x))
        throw ArithmeticError::invalidOperation();
    return std::sqrt(x);
}

double ln(double x) {
    if (x == 0)
        throw ArithmeticError::divisionByZero();
    if (x < 0 || std::isnan(x))
        throw ArithmeticError::invalidOperation();
    return comprobado(std::log(x));
}

double exponencial(double x) {
    return comprobado(std::exp(comprobado(x)));
}

} // namespace linealidad::aritmetica
