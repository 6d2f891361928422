#pragma once

#include "core/verification/Verification.h"

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

    void printClick();
    void pdfClick();

private:
    void fillTable();
    // The verification on `device`, or the generic error report of why it could not be.
    // False when the pages could not be drawn (after the generic error report).
    bool write(QPagedPaintDevice& device);

    Dialogs& dialogs_;
    std::vector<CheckOutcome> outcomes_;
};

} // namespace linealidad
