#include "core/printing/Uprint1.h"
#include "core/results/ValidationCells.h"

#include <algorithm>

namespace linealidad::Uprint1 {
namespace {

constexpr int kTitlePoints = 10;
constexpr int kBodyPoints = 9;
constexpr int kLeft = 45;
// The value of a list of figures.
constexpr int kListValue = 190;
// The lines of the parts: below the page's title on the first sheet, below the header and the
// method's name on the others, and the lowest a row may take.
constexpr int kFirstLine = 14;
constexpr int kContinuedLine = 14;
constexpr int kLastLine = 58;
constexpr int kHeadingRulePixels = -10;

// Where the cells of a table stand, in U, by the cells of its widest row: wide enough at 9
// points for numbers in exponent form and "no aplicable" on the narrower of A4 and letter.
std::vector<int> tableColumns(const ValidationSection& section) {
    std::size_t count = section.headings.size();
    for (const auto& row : section.rows)
        count = std::max(count, row.size());
    switch (count) {
    case 8: // per level
        return {kLeft, 68, 85, 125, 165, 205, 245, 295};
    case 6: // the exact probabilities
        return {kLeft, 115, 165, 190, 215, 265};
    case 5: // the weightings
        return {kLeft, 100, 150, 200, 270};
    default: // each observation's recovery
        return {kLeft, 100, 150, 200, 250, 300, 350};
    }
}

// Lays the parts out one below the other, a row a line, on as many sheets as they need.
class ValidationFlow {
public:
    explicit ValidationFlow(SheetWriter& out) : out_(out) {}

    void part(const ValidationSection& section) {
        const int rows = std::min<int>(2, static_cast<int>(section.rows.size()));
        makeRoom(1 + (section.headings.empty() ? 0 : 1) + rows);
        title(section, false);
        std::vector<std::string> reasons;
        for (const auto& row : section.rows) {
            if (line_ > kLastLine) {
                out_.newSheet();
                line_ = kContinuedLine;
                title(section, true);
            }
            cells(section, row, reasons);
            ++line_;
        }
        if (!reasons.empty()) {
            makeRoom(1);
            std::string note = std::string(kNotApplicable) + ": " + reasons.front();
            for (std::size_t r = 1; r < reasons.size(); ++r)
                note += "; " + reasons[r];
            out_.text(line_++, kLeft, note);
        }
        ++line_;
    }

    // The closing block, on the last sheet or on one of its own.
    void close(const Study& study) {
        if (line_ > kSignedClosingLine)
            out_.newSheet();
        out_.font(kTitlePoints);
        signedClosing(out_, study);
    }

private:
    void makeRoom(int lines) {
        if (line_ + lines - 1 > kLastLine) {
            out_.newSheet();
            line_ = kContinuedLine;
        }
    }

    void title(const ValidationSection& section, bool continued) {
        out_.font(kTitlePoints);
        out_.text(line_++, kLeft, section.title + (continued ? " (continuación)" : ""));
        out_.font(kBodyPoints);
        if (section.headings.empty())
            return;
        const std::vector<int> columns = tableColumns(section);
        for (std::size_t c = 0; c < section.headings.size(); ++c)
            out_.text(line_, columns[c], section.headings[c]);
        out_.rule(++line_, kHeadingRulePixels);
    }

    // A row's cells. In a table, a statistic that does not apply and has cells after it reads
    // "no aplicable", its reason kept for the note under the table: the reason would run into
    // the next column.
    void cells(const ValidationSection& section, const std::vector<std::string>& row,
               std::vector<std::string>& reasons) {
        if (section.headings.empty()) {
            out_.text(line_, kLeft, row.at(0));
            out_.text(line_, kListValue, row.at(1));
            return;
        }
        const std::vector<int> columns = tableColumns(section);
        for (std::size_t c = 0; c < row.size(); ++c) {
            const auto reason = notApplicableReason(row[c]);
            const bool followed = std::any_of(row.begin() + static_cast<std::ptrdiff_t>(c) + 1,
                                              row.end(), [](const auto& t) { return !t.empty(); });
            if (reason && followed) {
                out_.text(line_, columns[c], kNotApplicable);
                if (std::find(reasons.begin(), reasons.end(), *reason) == reasons.end())
                    reasons.push_back(*reason);
            } else {
                out_.text(line_, columns[c], row[c]);
            }
        }
    }

    SheetWriter& out_;
    int line_ = kFirstLine;
};

} // namespace

std::vector<Sheet> ImprimeValidacion(const Study& study,
                                     const std::vector<ValidationSection>& sections) {
    SheetWriter out = reportWriter(study);
    out.font(kTitlePoints);
    out.centred(12, "Estadística de validación");
    out.font(kBodyPoints);
    ValidationFlow flow(out);
    for (const ValidationSection& section : sections)
        flow.part(section);
    flow.close(study);
    return std::move(out).sheets();
}

} // namespace linealidad::Uprint1
