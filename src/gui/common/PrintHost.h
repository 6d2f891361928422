#pragma once

#include "core/printing/PrintStamp.h"

#include <optional>

namespace linealidad {

class Dialogs;
struct Study;

// What the print options windows ask of the main window that holds them.
class PrintHost {
public:
    virtual ~PrintHost() = default;

    virtual Dialogs& dialogs() = 0;
    // The study window's study as it stands, not validated; null when there is none.
    virtual const Study* printStudy() const = 0;
    // The study's file as it is on disk, which the footer of a print-out names; nothing while
    // the study has unsaved changes or was never saved.
    virtual std::optional<SavedStudyFile> savedStudyFile() const = 0;
};

} // namespace linealidad
