#pragma once

#include <QDialog>
#include <QPointer>

namespace linealidad {

class RadioGroup;

// The printer and margin window: which options window opens (deskjet or laser) and the left
// margin of the deskjet pages. Shown modally; stays on top of the other windows.
class TFOPRT : public QDialog {
    Q_OBJECT
public:
    explicit TFOPRT(QWidget* parent = nullptr);

    // "Impresora DeskJet" 0, "Impresora Laser Jet" 1; -1 when none is selected.
    int SELECPRTIndex() const;
    void setSELECPRTIndex(int index);
    // "1 cm" 0, "1.5 cm" 1, "2.0 cm" 2; -1 when none is selected.
    int SELECMARIndex() const;
    void setSELECMARIndex(int index);

    // The windows the OK button opens, created after this one.
    void setOptionsWindows(QWidget* deskjet, QWidget* laser);

    // OK: shows the options window of the selected printer, then closes.
    void BitBtn1Click();

private:
    RadioGroup* SELECPRT_;
    RadioGroup* SELECMAR_;
    QPointer<QWidget> Fopprt_;
    QPointer<QWidget> Fopprt1_;
};

} // namespace linealidad
