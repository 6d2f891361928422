#pragma once

#include "core/acceptance/AcceptanceCriteria.h"
#include "core/printing/Sheet.h"
#include "core/results/ResultSet.h"
#include "core/study/Study.h"

#include <optional>
#include <vector>

namespace linealidad {

enum class PrintLayout { Laser, Deskjet };

// The pages an options window offers, in the order of its items.
enum class PageChoice { General, Inference, Variance, Acceptance, Validation };

// The sequence of a print command, written once for the options windows and `linealidad
// --pdf`: the computations the chosen page needs, into `results` (the caller's own set), then
// the page laid out in `layout` (`FactorMargen` is the deskjet margin). The inference page reads
// the study's numbers and runs CalculaRegresion and CalculaAnova, the variance page
// CalculaAnova, the general page nothing;
// nothing is laid out when the slope comes out zero (the caller then says kZeroSlopeMessage).
// The acceptance page runs the verdict's sequence against `criteria`, the validation page the
// validation statistics' sequence; both have only the laser layout, which they keep whatever
// `layout` asks (callers pass the user's criteria, and whether the user ticked "Y es la
// cantidad recuperada" as `recovered`).
// Conversion and arithmetic faults propagate before any sheet exists.
std::optional<std::vector<Sheet>>
composePage(PrintLayout layout, PageChoice page, const Study& study, char decimal, int FactorMargen,
            ResultSet& results,
            const std::vector<AcceptanceCriterion>& criteria = defaultCriteria(),
            bool recovered = false);

} // namespace linealidad
