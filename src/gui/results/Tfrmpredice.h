#pragma once

#include "core/stats/Calibration.h"
#include "core/stats/Results.h"
#include "core/study/StringGrid.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace linealidad {

class Dialogs;
class StringGridModel;
class StringGridView;
class ResultHost;
class FocusGuard;

// The predictions dialog: the fitted equation of the study, and Y = mX + b for up to ten X
// values typed in its grid; or, the other way, the X that gives each of up to ten responses Y,
// with its 95 % limits (the study's calibration read backwards). Created once; what was typed
// stays between uses.
class Tfrmpredice : public QDialog {
    Q_OBJECT
public:
    Tfrmpredice(std::function<Dialogs&()> dialogs, QWidget* parent = nullptr);

    // Shows the equation and r² of `R` (slope and intercept blue, or red between red
    // parentheses when negative).
    void present(const ResultadosRegresion& R, char decimal);
    const StringGrid& cells() const { return cells_; }

    // The calibration the inverse direction reads X from; none when the slope is zero.
    void setCalibration(std::optional<Calibration> calibration);
    // The inverse direction's grid: responses Y in column 0 (rows 1 to 10), then X, its lower
    // and upper limit and the out-of-range mark as computed.
    const StringGrid& inverseCells() const { return inverse_; }
    // Shows the direction that computes X from Y (true) or Y from X.
    void showInverse(bool inverse);

    // The predictions command: validation, the fit into the shared results, then this dialog,
    // modally.
    void mnuprediceClick(ResultHost& host);

protected:
    // Alt+X and Alt+Y choose their direction and go on into its grid.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void colour(QLabel* value, QLabel* opening, QLabel* closing, double number);
    void btnokClick();
    bool eprediceExit();
    void stgprediceEnter();
    void stgprediceKeyPress(QChar key);
    bool stgprediceExit();
    void btncalculaClick();
    // The number of X values typed, or nothing after showing why it is not usable.
    bool valueCountIsValid();
    void createInverseControls();
    void btncalculaxClick();
    // The replicates typed, or nothing after showing why they are not usable.
    std::optional<int> replicates();
    // The responses typed, by row; rows left blank have none. Text that is not a number throws
    // the conversion error.
    std::vector<std::optional<double>> responses() const;

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
    QPushButton* closeWindow_;
    QRadioButton* rbdirecta_;
    QRadioButton* rbinversa_;
    // The inverse direction.
    std::optional<Calibration> calibration_;
    StringGrid inverse_{5, 11};
    StringGridModel* inverseModel_;
    StringGridView* stginversa_;
    QLineEdit* ereplicas_;
    QLabel* Label3_;
    QPushButton* btncalculax_;
    QSize inverseSize_;
    QPoint inverseClose_;
    FocusGuard* guard_;
};

} // namespace linealidad
