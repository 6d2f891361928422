#pragma once

#include "core/printing/PrintedPages.h"
#include "core/results/ResultSet.h"

#include <QDialog>
#include <QSize>

#include <optional>
#include <vector>

class QPrintPreviewDialog;
class QPrinter;

namespace linealidad {

class PrintHost;
class RadioGroup;

// What sets the two print options windows apart: their names, size, and the caption and
// height of their radio group.
struct PrintOptionsNames {
    const char* window;
    QSize size;
    QString caption;
    int groupHeight;
    // Offers the acceptance verdict and the validation statistics after the three pages.
    bool acceptancePage;
};

// A print options window: the radio group `opcion` with the three pages (and, in the laser
// window, the acceptance verdict judged against the user's criteria and the validation
// statistics), "Aceptar" that prints
// the chosen page through the system print dialog, "&Vista previa" that shows it first in a
// print preview, and "Cancelar" that hides the window. Created once at start-up and shown
// modelessly, so its selection stays until the program ends; it stays open after printing.
// It has its own result set, apart from the one the result windows share.
class PrintOptionsWindow : public QDialog {
    Q_OBJECT
public:
    // The selected page: 0 general information, 1 inference, 2 variance and residuals, 3 the
    // acceptance verdict, 4 the validation statistics; -1 when none is selected.
    int option() const;
    void setOption(int index);

    // "Aceptar": the print dialog; if confirmed, the computations the page needs, then the
    // page. A zero slope says so and prints nothing.
    void BitBtn1Click();
    // "Cancelar".
    void BitBtn2Click();
    // "&Vista previa": the computations, then the page in a print preview, from which it can
    // be printed.
    void previewClick();

protected:
    PrintOptionsWindow(PrintLayout layout, const PrintOptionsNames& names, PrintHost& host,
                       QWidget* parent);

    // The deskjet margin factor, read as each deskjet page starts; the laser layout has none.
    virtual int margin() { return 0; }

private:
    // The chosen page of the study laid out; nothing when there is nothing to print, after
    // showing why.
    std::optional<std::vector<Sheet>> composeChosen(const Study& study, PageChoice page);
    std::optional<PageChoice> chosenPage() const;
    void print(QPrinter& printer, const Study& study, const std::vector<Sheet>& sheets);
    void showReadable(QPrintPreviewDialog& preview);

    PrintLayout layout_;
    PrintHost& host_;
    ResultSet results_;
    RadioGroup* opcion_;
};

} // namespace linealidad
