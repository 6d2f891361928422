#pragma once

#include "core/acceptance/AcceptanceVerdict.h"
#include "core/study/Study.h"
#include "gui/results/ResultWindow.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace linealidad {

// "Dictamen de aceptación": each criterion of the user's lab with the study's value, its limit
// and "CUMPLE" or "NO CUMPLE" (informative rows without a word), then the overall verdict.
// Like the other result windows it keeps the study as it was computed: correcting or closing
// the study leaves it as it is; changing the criteria judges that same study again.
class AcceptanceWindow : public ResultWindow {
    Q_OBJECT
public:
    AcceptanceWindow(ResultHost& host, const Study& study, char decimal);

    void fill(const AcceptanceVerdict& verdict);
    // The text of each cell of the criteria table, and the overall verdict line.
    std::vector<std::vector<QString>> rows() const;
    QString verdictLine() const;

    // The "&Dictamen..." command; the window it opened, if it opened one.
    static AcceptanceWindow* showVerdict(ResultHost& host);

private:
    CellRows copyCells() const override;
    // "Criterios de aceptación...": the criteria dialog, kept in the user's settings.
    void editCriteria();
    // The study judged again against the user's criteria as they are now.
    void judgeAgain();

    Study study_;
    char decimal_;
    QTableWidget* table_;
    QLabel* verdict_;
    QPushButton* criteriaButton_;
};

} // namespace linealidad
