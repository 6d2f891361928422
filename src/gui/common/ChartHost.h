#pragma once

#include "core/printing/PrintStamp.h"

#include <optional>

class QWidget;

namespace linealidad {

class Dialogs;
struct ResultSet;
struct Study;

// What a chart window asks of the main window that holds it.
class ChartHost {
public:
    virtual ~ChartHost() = default;

    virtual Dialogs& dialogs() = 0;
    // The study window's study when it passes ValidaEstudio; null when there is none or, after
    // its problem was shown, when it fails.
    virtual const Study* validStudy() = 0;
    // The result set the commands share.
    virtual ResultSet& results() = 0;
    // The study the chart shows (the one study window's); null when there is none.
    virtual const Study* chartStudy() const = 0;
    // The study's file as it is on disk, which the footer of a print-out names; nothing while
    // the study has unsaved changes or was never saved.
    virtual std::optional<SavedStudyFile> savedStudyFile() const = 0;
    // Opens help at the topic of a context number, usable from the modal window `from`.
    virtual void showHelp(int context, QWidget* from) = 0;
    // The chart's title or axis labels changed: they are saved with the study, so it is now
    // modified.
    virtual void markModified() = 0;
};

} // namespace linealidad
