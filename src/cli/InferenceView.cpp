#include "cli/Views.h"

#include "core/results/InferenceText.h"
#include "core/results/ZeroSlope.h"
#include "core/stats/CalculaAnova.h"
#include "core/stats/CalculaRegresion.h"

namespace linealidad::cli {

int inferenceView(const Study& study, char decimal, Output& output) {
    ResultadosRegresion R;
    bool zeroSlope = false;
    CalculaRegresion(study, decimal, R, zeroSlope);
    if (zeroSlope)
        return output.fail(kZeroSlopeMessage);
    // The window shows its lines before the analysis of variance, which only decides the
    // origin sentence, runs.
    output.lines(inferenceMemoWithoutAnova(decimal, R));
    ResultadosAnova A;
    Residuals residuals;
    CalculaAnova(study, decimal, A, zeroSlope, residuals);
    if (const auto sentence = inferenceOriginSentence(study, R, A.PRegresion))
        output.line(*sentence);
    return kSuccess;
}

} // namespace linealidad::cli
