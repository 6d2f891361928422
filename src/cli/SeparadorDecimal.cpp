#include "SeparadorDecimal.h"

#include <clocale>
#include <cstring>

namespace linealidad::cli {

char separadorDelEntorno() {
    std::setlocale(LC_ALL, "");
    const char* punto = std::localeconv()->decimal_point;
    const char separador =
        std::strlen(punto) == 1 && static_cast<unsigned char>(punto[0]) < 0x80 ? punto[0] : '.';
    // Only the separator is taken from the locale: the numeric conventions of the C library stay
    // those of the C locale for anything else in the process.
    std::setlocale(LC_NUMERIC, "C");
    return separador;
}

} // namespace linealidad::cli
