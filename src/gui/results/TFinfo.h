#pragma once

#include "results/VentanaResultado.h"

#include <string>
#include <vector>

class QPlainTextEdit;

namespace linealidad {

class TMainForm;

// The inference window: slope and intercept with their confidence limits and t statistics,
// Sy/x, CV and r², and whether the line passes through the origin.
class TFinfo : public VentanaResultado {
    Q_OBJECT
public:
    explicit TFinfo(AnfitrionEstudio& anfitrion);

    void escribe(const std::vector<std::string>& lineas);
    QString texto() const;

    // The "&Inferencia" command.
    static void mnuinferenciaClick(TMainForm& principal);

private:
    QPlainTextEdit* memresult_;
};

} // namespace linealidad
