#pragma once

#include "gui/common/Dialogs.h"

#include <QStringList>
#include <QTranslator>

#include <memory>

namespace linealidad {

class TFshow;
class TMainForm;

// The program's start-up: the application's name and icon, Qt's own texts in Spanish, the main
// window shown maximized; once it has painted itself, the studies left unsaved by earlier runs
// are offered back and the study given is opened, and then, when none of that needed a message
// box, the splash window comes above it and closes itself 3 s after the main window is
// activated. The splash window never covers a question. The windows live as long as the
// instance.
//
// `arguments` are the program's: a file manager opening a study hands over its path. The first
// one that is no option is opened, as "&Abrir..." opens a file; a file that cannot be read is
// reported as that command reports it. `dialogs` replaces the program's message boxes (tests) from
// the start.
class Startup {
public:
    explicit Startup(const QStringList& arguments = {}, std::unique_ptr<Dialogs> dialogs = nullptr);
    ~Startup();

    TMainForm& mainForm() { return *MainForm; }

private:
    void afterFirstPaint(const QString& study);
    void showSplash();
    bool openStudy(const QString& study);

    QTranslator translator_;
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TFshow> Fshow;
};

} // namespace linealidad
