#include "gui/app/IncomingStudy.h"

#include "core/study/SeparatorConversion.h"
#include "core/study/StudyFile.h"
#include "core/study/TableImport.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/common/Dialogs.h"
#include "gui/common/LocalPath.h"
#include "gui/common/RunCommand.h"

#include <QFile>

namespace linealidad {
namespace {

// Reads with the hourglass showing; false, after the generic error report, when it failed.
bool readWith(Dialogs& dialogs, const std::function<void()>& read) {
    WaitCursor wait;
    return runCommand(dialogs, read);
}

// What a study was read from, as the separator question names it.
struct Origin {
    const char* name; // "este archivo", "la tabla copiada"
    SourcePlaces places;
};

// The numbers in this computer's decimal separator: at once when they all use the other one
// (the values are those read, so the study is not modified), and only on the analyst's word
// when the study mixes both. True when the analyst's answer rewrote them: the study then
// differs from what was read.
bool adoptSeparator(Study& study, const NumberSources& sources, const Origin& origin,
                    Dialogs& dialogs, const Note& note) {
    const char here = decimalSeparator();
    const SeparatorUse use = separatorUse(study, here, sources);
    if (use.other.empty())
        return false;
    const bool mixed = !use.here.empty();
    if (mixed && !dialogs.confirm(QStringLiteral("Separador decimal"),
                                  QString::fromStdString(mixedSeparatorQuestion(
                                      use, here, origin.name, origin.places))))
        return false;
    convertToSeparator(study, here);
    note(QString::fromStdString(separatorConvertedNote(here)));
    return mixed;
}

// A study built from a table has never been saved (the table is not a study file): it comes
// modified, so closing it asks first.
std::optional<IncomingStudy> fromTable(const std::function<TableStudy()>& read, const char* origin,
                                       Dialogs& dialogs, const Note& note) {
    TableStudy table;
    if (!readWith(dialogs, [&] { table = read(); }))
        return std::nullopt;
    IncomingStudy incoming{std::move(table.study), std::nullopt, true};
    adoptSeparator(incoming.study, tableRows(table), {origin, SourcePlaces::Rows}, dialogs, note);
    return incoming;
}

} // namespace

std::optional<IncomingStudy> openStudyFile(const QString& path, Dialogs& dialogs,
                                           const Note& note) {
    IncomingStudy incoming{{}, path, false};
    if (!readWith(dialogs, [&] { incoming.study = readStudy(localPath(path)); }))
        return std::nullopt;
    incoming.modified = adoptSeparator(incoming.study, studyFileLines(incoming.study),
                                       {"este archivo", SourcePlaces::Lines}, dialogs, note);
    return incoming;
}

std::optional<IncomingStudy> importTableFile(const QString& path, Dialogs& dialogs,
                                             const Note& note) {
    return fromTable([&] { return readTableFile(localPath(path)); }, "este archivo", dialogs, note);
}

std::optional<IncomingStudy> pasteCopiedTable(const QString& text, Dialogs& dialogs,
                                              const Note& note) {
    return fromTable([&] { return studyFromTable(text.toStdString()); }, "la tabla copiada",
                     dialogs, note);
}

} // namespace linealidad
