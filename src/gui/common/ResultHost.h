#pragma once

#include "core/app/EnablingRules.h"

class QMdiArea;
class QWidget;

namespace linealidad {

class Dialogs;
struct ResultSet;
struct Study;

// What the result windows and the predictions dialog ask of the main window that runs their
// commands.
class ResultHost {
public:
    virtual ~ResultHost() = default;

    virtual Dialogs& dialogs() = 0;
    // The study window's study when it passes ValidaEstudio; null when there is none or, after
    // its problem was shown, when it fails.
    virtual const Study* validStudy() = 0;
    // The result set the commands share.
    virtual ResultSet& results() = 0;
    // Where the result windows open.
    virtual QMdiArea* ClientArea() const = 0;
    // Applies a column of the enabling rules.
    virtual void apply(StudyEvent event) = 0;
    // Opens help at a topic, beside the modal window `from` when there is one.
    virtual void showHelp(int context, QWidget* from) = 0;
};

} // namespace linealidad
