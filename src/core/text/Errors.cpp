#include "core/text/Errors.h"

namespace linealidad {

std::string genericReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

} // namespace linealidad
