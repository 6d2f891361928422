#pragma once

#include "core/verification/Verification.h"
#include "core/verification/VerificationSheets.h"

#include <QDialog>

#include <vector>

class QPagedPaintDevice;

namespace linealidad {

class Dialogs;

// "Verificar cálculos...": the checks of the calculations on the reference data shipped with
// the program, run as the window opens, in a table (expected and obtained value, digits of
// agreement, digits demanded, result) over the summary line. "&Imprimir..." prints them
// through the system print dialog and "Guardar como &PDF..." writes them to a PDF file, with
// the program's version, the date and the computer's name on the page.
class VerificationWindow : public QDialog {
    Q_OBJECT
public:
    VerificationWindow(Dialogs& dialogs, QWidget* parent);

    const std::vector<CheckOutcome>& outcomes() const { return outcomes_; }

    void printClick();
    void pdfClick();

    // What identifies this run on paper: the version, now, this computer.
    static VerificationStamp stamp();

private:
    void fillTable();
    // The verification on `device`; false after showing why it could not be written.
    bool write(QPagedPaintDevice& device);

    Dialogs& dialogs_;
    std::vector<CheckOutcome> outcomes_;
};

} // namespace linealidad
