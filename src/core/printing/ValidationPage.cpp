#include "core/printing/PageTables.h"
#include "core/printing/ReportPages.h"
#include "core/results/ValidationCells.h"

#include <algorithm>

namespace linealidad {
namespace {

// The columns of a section's table, by the cells of its widest row.
const std::vector<int>& tableColumns(const ValidationPageLayout& page,
                                     const ValidationSection& section) {
    std::size_t count = section.headings.size();
    for (const auto& row : section.rows)
        count = std::max(count, row.size());
    const auto fitting =
        std::find_if(page.tableColumns.begin(), page.tableColumns.end(),
                     [count](const std::vector<int>& columns) { return columns.size() == count; });
    return fitting != page.tableColumns.end() ? *fitting : page.tableColumns.back();
}

// Lays the parts out one below the other, a row a line, on as many sheets as they need.
class ValidationFlow {
public:
    ValidationFlow(SheetWriter& out, const ValidationPageLayout& page)
        : out_(out), page_(page), line_(page.firstLine) {}

    void part(const ValidationSection& section) {
        const int rows = std::min<int>(2, static_cast<int>(section.rows.size()));
        makeRoom(1 + (section.headings.empty() ? 0 : 1) + rows);
        title(section, false);
        std::vector<std::string> reasons;
        for (const auto& row : section.rows) {
            if (line_ > page_.lastLine) {
                out_.newSheet();
                line_ = page_.continuedLine;
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
            out_.text(line_++, page_.column, note);
        }
        ++line_;
    }

    // The closing block, on the last sheet or on one of its own.
    void close(const SignOff& signOff, const Study& study) {
        if (line_ > signOff.study.line)
            out_.newSheet();
        out_.font(page_.titlePoints);
        printSignOff(out_, signOff, study);
    }

private:
    void makeRoom(int lines) {
        if (line_ + lines - 1 > page_.lastLine) {
            out_.newSheet();
            line_ = page_.continuedLine;
        }
    }

    void title(const ValidationSection& section, bool continued) {
        out_.font(page_.titlePoints);
        out_.text(line_++, page_.column, section.title + (continued ? page_.continued : ""));
        out_.font(page_.bodyPoints);
        if (section.headings.empty())
            return;
        printHeadings(out_, line_++, tableColumns(page_, section), section.headings,
                      page_.headingRulePixels);
    }

    // A row's cells. In a table, a statistic that does not apply and has cells after it reads
    // "no aplicable", its reason kept for the note under the table: the reason would run into
    // the next column.
    void cells(const ValidationSection& section, const std::vector<std::string>& row,
               std::vector<std::string>& reasons) {
        if (section.headings.empty()) {
            printCells(out_, line_, {page_.column, page_.listValueColumn}, row);
            return;
        }
        std::vector<std::string> shown = row;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const auto reason = notApplicableReason(row[c]);
            const bool followed = std::any_of(row.begin() + static_cast<std::ptrdiff_t>(c) + 1,
                                              row.end(), [](const auto& t) { return !t.empty(); });
            if (reason && followed) {
                shown[c] = kNotApplicable;
                if (std::find(reasons.begin(), reasons.end(), *reason) == reasons.end())
                    reasons.push_back(*reason);
            }
        }
        printCells(out_, line_, tableColumns(page_, section), shown);
    }

    SheetWriter& out_;
    const ValidationPageLayout& page_;
    int line_;
};

} // namespace

std::vector<Sheet> validationPage(const PageLayout& layout, const Study& study,
                                  const std::vector<ValidationSection>& sections) {
    const ValidationPageLayout& page = layout.validation.value();
    SheetWriter out = reportWriter(layout, study);
    out.font(page.titlePoints);
    out.centred(page.title.line, page.title.text);
    out.font(page.bodyPoints);
    ValidationFlow flow(out, page);
    for (const ValidationSection& section : sections)
        flow.part(section);
    flow.close(layout.signOff.value(), study);
    return std::move(out).sheets();
}

} // namespace linealidad
