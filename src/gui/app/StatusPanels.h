#pragma once

class QLabel;
class QStatusBar;

namespace linealidad {

// The main window's status line: three sunken panels in bold, the hint of what the pointer or
// the keyboard is on ("StatusLine"), the help key ("Paneld", "F1 < Ayuda >") and the study's
// state ("estado": "Modificado", a blank or nothing).
struct StatusPanels {
    QLabel* StatusLine = nullptr;
    QLabel* estado = nullptr;
};

StatusPanels createStatusPanels(QStatusBar& bar);

} // namespace linealidad
