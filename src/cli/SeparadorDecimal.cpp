#include "SeparadorDecimal.h"

#include <clocale>
#include <cstring>

namespace linealidad::cli {

char separadorDelEntorno() {
    std::setlocale(LC_ALL, "");
    const char* punto = std::localeconv()->decimal_point;
    const char separador =
        std::strlen(punto) == 1 && static_cast<unsigned char>(punto[0]) < 0x80 ? punto[0] : '.';
    // The core writes and reads numbers through the C library in C notation and places the
    // separator itself, so the C library must keep the C locale's numbers.
    std::setlocale(LC_NUMERIC, "C");
    return separador;
}

} // namespace linealidad::cli
