#pragma once

#include "results/VentanaResultado.h"

#include <string>
#include <vector>

class QPlainTextEdit;

namespace linealidad {

class TMainForm;

// The report window: the whole study and its results as plain text. Any key or mouse button
// pressed in the text closes it; scrolling does not.
class Tfrminforme : public VentanaResultado {
    Q_OBJECT
public:
    explicit Tfrminforme(AnfitrionEstudio& anfitrion);

    void agrega(const std::vector<std::string>& lineas);
    QString texto() const;
    QPlainTextEdit* mminforme() const { return mminforme_; }

    // The "I&nforme" command.
    static void mnuinformeClick(TMainForm& principal);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* mminforme_;
};

} // namespace linealidad
