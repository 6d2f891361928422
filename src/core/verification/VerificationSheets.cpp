#include "core/verification/VerificationSheets.h"

#include "core/printing/PageTables.h"
#include "core/printing/SheetWriter.h"
#include "core/verification/VerificationText.h"

namespace linealidad {
namespace {

constexpr int kTitlePoints = 14;
constexpr int kBodyPoints = 8;
// The left edge of each cell of checkCells, in U: the name, two 15-digit values, the digits
// of agreement, the digits demanded and the result all fit across 7.5 inches.
const std::vector<int> kColumns{0, 166, 228, 292, 320, 345};
constexpr int kFirstRow = 9; // the line of the first check on every sheet
constexpr int kHeadingRulePixels = -8;
constexpr int kRowsPerSheet = 50;
// The lowest line a text may take: below it, the footer.
constexpr int kLastLine = 61;

} // namespace

std::vector<Sheet> verificationSheets(const std::vector<CheckOutcome>& outcomes,
                                      const VerificationStamp& stamp, char decimal) {
    SheetWriter out(
        [&stamp](SheetWriter& w) {
            w.font(kTitlePoints);
            w.centred(1, "VERIFICACIÓN DE LOS CÁLCULOS");
            w.font(kBodyPoints + 2);
            w.text(3, 0, "Programa: Linealidad " + stamp.version);
            w.text(4, 0, "Fecha: " + stamp.date);
            w.text(5, 0, "Computadora: " + stamp.computer);
            w.font(kBodyPoints);
            printHeadings(w, kFirstRow - 2, kColumns, checkHeadings(), kHeadingRulePixels);
        },
        kBodyPoints);
    int line = kFirstRow;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        if (k > 0 && k % kRowsPerSheet == 0) {
            out.newSheet();
            line = kFirstRow;
        }
        printCells(out, line++, kColumns, checkCells(outcomes[k], decimal));
    }
    // The summary and the notes stay together, on the next sheet when they do not fit here.
    const std::vector<std::string> notes = explanationLines();
    if (line + 3 + static_cast<int>(notes.size()) - 1 > kLastLine) {
        out.newSheet();
        line = kFirstRow;
    }
    out.rule(line, 8);
    out.font(kBodyPoints + 2);
    out.text(line + 1, 0, summaryLine(outcomes));
    out.font(kBodyPoints);
    line += 3;
    for (const std::string& text : notes)
        out.text(line++, 0, text);
    return std::move(out).sheets();
}

} // namespace linealidad
