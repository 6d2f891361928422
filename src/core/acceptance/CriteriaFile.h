#pragma once

#include "core/acceptance/AcceptanceCriteria.h"
#include "core/text/Errors.h"

#include <string>
#include <vector>

namespace linealidad {

// A criteria file that was read but does not hold criteria; the message names the file.
class CriteriaFormatError : public Fault {
public:
    using Fault::Fault;
};

// The criteria of a criteria file (UTF-8, or Windows-1252 as older editors save it). Throws
// FileError when the file cannot be read and CriteriaFormatError when its text is malformed
// or it is far larger than any list of criteria.
std::vector<AcceptanceCriterion> readCriteriaFile(const std::string& path);

} // namespace linealidad
