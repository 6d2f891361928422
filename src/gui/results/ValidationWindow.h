#pragma once

#include "core/results/ValidationSections.h"
#include "core/study/Study.h"
#include "gui/results/ResultWindow.h"

class QCheckBox;
class QTableWidget;

namespace linealidad {

// "Estadística de validación": the validation statistics of the study, a table or a list of
// figures per part (per level, response factor, homogeneity of variances, Mandel, normality of
// the residuals, exact probabilities, weighting, and the recovery when "Y es la cantidad
// recuperada" is ticked), one below the other in one table that scrolls. Like the other result
// windows it keeps the study as it was computed; ticking the box, kept in the user's settings,
// computes that same study again.
class ValidationWindow : public ResultWindow {
    Q_OBJECT
public:
    ValidationWindow(ResultHost& host, const Study& study, char decimal);

    void fill(const std::vector<ValidationSection>& sections);
    // The parts as shown: each title, then its headings (if any) and rows of cells.
    const std::vector<ValidationSection>& sections() const { return sections_; }
    // The text shown for a cell of a part's rows (its headings not counted), as the part has it.
    QString cellText(int part, int row, int cell) const;
    QCheckBox* recoveryBox() const { return recovery_; }

    // The "Estadística de validación..." command; the window it opened, if it opened one.
    static ValidationWindow* showValidation(ResultHost& host);

private:
    CellRows copyCells() const override;
    // The study computed again, with the recovery as the user's settings say now.
    void computeAgain();

    Study study_;
    char decimal_;
    QCheckBox* recovery_;
    QTableWidget* table_;
    std::vector<ValidationSection> sections_;
    std::vector<int> firstRows_; // the table row of each part's first row
};

} // namespace linealidad
