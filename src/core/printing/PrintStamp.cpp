#include "core/printing/PrintStamp.h"

#include "core/text/NumberFormat.h"

namespace linealidad {
namespace {

const char* const kSeparator = " · ";

std::string sourceText(const PrintStamp& stamp, const std::string& fileName) {
    switch (stamp.source) {
    case PrintStamp::Source::SavedStudy:
        return kSeparator + fileName + kSeparator + "SHA-256 " + stamp.file.sha256;
    case PrintStamp::Source::UnsavedStudy:
        return std::string(kSeparator) + "sin guardar";
    case PrintStamp::Source::NoStudy:
        break;
    }
    return {};
}

} // namespace

PrintStamp PrintStamp::forStudy(const std::optional<SavedStudyFile>& saved) {
    PrintStamp stamp;
    stamp.source = saved ? Source::SavedStudy : Source::UnsavedStudy;
    stamp.file = saved.value_or(SavedStudyFile{});
    return stamp;
}

std::string footerText(const PrintStamp& stamp, int page, int pages, const std::string& fileName) {
    return "Página " + formatInteger(page) + " de " + formatInteger(pages) +
           sourceText(stamp, fileName) + kSeparator + "Linealidad " + stamp.version + kSeparator +
           "impreso " + stamp.printedAt + kSeparator + stamp.user;
}

} // namespace linealidad
