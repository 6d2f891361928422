#pragma once

#include "core/study/Study.h"

#include <QString>

#include <functional>
#include <optional>

namespace linealidad {

class Dialogs;

// A study read for a new study window, from a study file, a table file or a table copied to
// the clipboard, with its numbers in this computer's decimal separator.
struct IncomingStudy {
    Study study;
    // The study file it was read from; none for a table, which is not a study file.
    std::optional<QString> path;
    // It differs from any file on disk: built from a table, or its separators rewritten on the
    // analyst's word.
    bool modified = false;
};

// The studies of "&Abrir...", "Importar tabla..." and "Pegar estudio". Each reads the whole
// study with the hourglass showing; nothing, after the generic error
// report, when it cannot be read or cannot be a study. Numbers written with the other decimal
// separator are rewritten at once when they all use it, and only when the analyst says so
// (asked through `dialogs`) when the study mixes both; `note` then says so on the status line.
using Note = std::function<void(const QString&)>;
std::optional<IncomingStudy> openStudyFile(const QString& path, Dialogs& dialogs, const Note& note);
std::optional<IncomingStudy> importTableFile(const QString& path, Dialogs& dialogs,
                                             const Note& note);
std::optional<IncomingStudy> pasteCopiedTable(const QString& text, Dialogs& dialogs,
                                              const Note& note);

} // namespace linealidad
