#pragma once

#include "core/stats/Results.h"
#include "core/study/StringGrid.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace linealidad {

class Dialogs;
class StringGridModel;
class StringGridView;
class ResultHost;
class FocusGuard;

// The predictions dialog: the fitted equation of the study, and Y = mX + b for up to ten X
// values typed in its grid. Created once; what was typed stays between uses.
class Tfrmpredice : public QDialog {
    Q_OBJECT
public:
    Tfrmpredice(std::function<Dialogs&()> dialogs, QWidget* parent = nullptr);

    // Shows the equation and r² of `R` (slope and intercept blue, or red between red
    // parentheses when negative).
    void present(const ResultadosRegresion& R, char decimal);
    const StringGrid& cells() const { return cells_; }

    // The predictions command: validation, the fit into the shared results, then this dialog,
    // modally.
    void mnuprediceClick(ResultHost& host);

private:
    void FormCreate();
    void colour(QLabel* valor, QLabel* openFile, QLabel* closeChart, double number);
    void btnokClick();
    bool eprediceExit();
    void stgprediceEnter();
    void stgprediceKeyPress(QChar key);
    bool stgprediceExit();
    void btncalculaClick();
    // The number of X values typed, or nothing after showing why it is not usable.
    bool valueCountIsValid();

    std::function<Dialogs&()> dialogs_;
    char decimal_ = '.';
    // The equation as shown.
    double slope_ = 0;
    double intercept_ = 0;
    StringGrid cells_{2, 4};
    StringGridModel* model_;
    StringGridView* stgpredice_;
    QLineEdit* epredice_;
    QPushButton* btnok_;
    QPushButton* btncalcula_;
    QLabel* lblm_;
    QLabel* lblB_;
    QLabel* lblm1_;
    QLabel* lblm2_;
    QLabel* lblb1_;
    QLabel* lblb2_;
    QLabel* LBLCD_;
    FocusGuard* guard_;
};

} // namespace linealidad
