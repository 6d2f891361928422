#pragma once

#include "stats/Resultados.h"
#include "study/StringGrid.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace linealidad {

class Interaccion;
class StringGridModel;
class StringGridView;
class TMainForm;
class VigilanteFoco;

// The predictions dialog: the fitted equation of the study, and Y = mX + b for up to ten X
// values typed in its grid. Created once; what was typed stays between uses.
class Tfrmpredice : public QDialog {
    Q_OBJECT
public:
    Tfrmpredice(std::function<Interaccion&()> interaccion, QWidget* parent = nullptr);

    // Shows the equation and r² of `R` (slope and intercept blue, or red between red
    // parentheses when negative).
    void presenta(const ResultadosRegresion& R, char decimal);
    const StringGrid& celdas() const { return celdas_; }

    // The predictions command: validation, the fit, then the dialog, modally.
    static void mnuprediceClick(TMainForm& principal);

private:
    void FormCreate();
    void colorea(QLabel* valor, QLabel* abre, QLabel* cierra, double numero);
    void btnokClick();
    bool eprediceExit();
    void stgprediceEnter();
    void stgprediceKeyPress(QChar tecla);
    bool stgprediceExit();
    void btncalculaClick();
    // The number of X values typed, or nothing after showing why it is not usable.
    bool numeroDeDatosValido();

    std::function<Interaccion&()> interaccion_;
    char decimal_ = '.';
    StringGrid celdas_{2, 4};
    StringGridModel* modelo_;
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
    VigilanteFoco* vigilante_;
};

} // namespace linealidad
