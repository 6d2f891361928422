#pragma once

#include "core/text/NumberFormat.h"

#include <string>

namespace linealidad::results {

// The two number formats of the result texts: general format with six significant digits for
// every value, ten for the coefficient of determination.
inline std::string G6(double value, char decimal) {
    return formatGeneral(value, 6, decimal);
}
inline std::string G10(double value, char decimal) {
    return formatGeneral(value, 10, decimal);
}

} // namespace linealidad::results
