#include "core/text/Errors.h"

namespace linealidad {

std::string genericReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

std::string commandLineMessage(const Fault& fault, const std::string& file) {
    if (dynamic_cast<const FileError*>(&fault))
        return genericReportText(file + ": " + fault.what());
    if (dynamic_cast<const StudyFormatError*>(&fault))
        return fault.what();
    return genericReportText(fault.what());
}

} // namespace linealidad
