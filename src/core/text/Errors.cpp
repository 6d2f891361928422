#include "core/text/Errors.h"

#include "core/text/Encoding.h"

namespace linealidad {

std::string quotedExcerpt(const std::string& text) {
    constexpr std::size_t kLongest = 40;
    std::size_t cut = text.size();
    if (cut > kLongest) {
        cut = kLongest;
        while (cut > 0 && isUtf8Continuation(text[cut]))
            --cut; // a continuation byte: the character began before the cut
    }
    std::string excerpt;
    for (std::size_t i = 0; i < cut; ++i)
        excerpt += text[i] == '\0' ? std::string("\u2400") : std::string(1, text[i]);
    return cut < text.size() ? excerpt + "…" : excerpt;
}

std::string genericReportText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

std::string commandLineMessage(const Fault& fault, const std::string& file) {
    if (dynamic_cast<const NamedFileError*>(&fault))
        return fault.what();
    if (dynamic_cast<const FileError*>(&fault))
        return genericReportText(file + ": " + fault.what());
    if (dynamic_cast<const StudyFormatError*>(&fault))
        return fault.what();
    return genericReportText(fault.what());
}

} // namespace linealidad
