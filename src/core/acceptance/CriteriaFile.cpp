#include "core/acceptance/CriteriaFile.h"

#include "core/study/FileAccess.h"
#include "core/text/Encoding.h"

namespace linealidad {

namespace {
// A list of every criterion with comments takes a few hundred bytes.
constexpr std::size_t kMaximumCriteriaBytes = 64 * 1024;
} // namespace

std::vector<AcceptanceCriterion> readCriteriaFile(const std::string& path) {
    const std::string bytes = readFileBytes(path, kMaximumCriteriaBytes);
    if (bytes.size() > kMaximumCriteriaBytes)
        throw CriteriaFormatError(path + ": el archivo es demasiado grande para ser de criterios.");
    auto read = readCriteriaText(fileText(bytes));
    if (auto* message = std::get_if<std::string>(&read))
        throw CriteriaFormatError(path + ": " + *message);
    return std::get<std::vector<AcceptanceCriterion>>(std::move(read));
}

} // namespace linealidad
