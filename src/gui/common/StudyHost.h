#pragma once

#include "core/app/EnablingRules.h"

class QString;

namespace linealidad {

class Dialogs;

// What the study window asks of the main window that holds it.
class StudyHost {
public:
    virtual ~StudyHost() = default;

    virtual Dialogs& dialogs() = 0;
    // The modified mark, shown as "Modificado" in the status panel.
    virtual void markModified() = 0;
    virtual bool modified() const = 0;
    // Clears the mark, leaving `text` (a blank or nothing) in the panel.
    virtual void clearModified(const QString& text) = 0;
    // Applies a column of the enabling rules.
    virtual void apply(StudyEvent event) = 0;
    // The "&Guardar" command; true when the study was written.
    virtual bool save() = 0;
    // Shows a note on the status line (what a paste left out, ...).
    virtual void showNote(const QString& text) = 0;
};

} // namespace linealidad
