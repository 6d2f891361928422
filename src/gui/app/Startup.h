#pragma once

#include <QStringList>
#include <QTranslator>

#include <memory>

namespace linealidad {

class TFshow;
class TMainForm;

// The program's start-up: the application's name and icon, Qt's own texts in Spanish, the main
// window shown maximized, then the splash window above it, which closes itself 3 s after the
// main window is activated; a study left unsaved by an earlier run is offered back. The windows
// live as long as the instance.
//
// `files` are the program's arguments: a file manager opening a study hands over its path.
// The first one is opened, as "&Abrir..." opens a file, once the main window has painted
// itself; a file that cannot be read is reported as that command reports it.
class Startup {
public:
    explicit Startup(const QStringList& files = {});
    ~Startup();

    TMainForm& mainForm() { return *MainForm; }

private:
    void showSplash();
    void typeForTests();
    void openFirst(const QStringList& files);

    QTranslator translator_;
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TFshow> Fshow;
};

} // namespace linealidad
