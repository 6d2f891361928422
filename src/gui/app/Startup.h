#pragma once

#include <QTranslator>

#include <memory>

namespace linealidad {

class TFshow;
class TMainForm;

// The program's start-up: the application's name and icon, Qt's own texts in Spanish, the main
// window shown maximized, then the splash window above it, which closes itself 3 s after the
// main window is activated; a study left unsaved by an earlier run is offered back. The windows
// live as long as the instance.
class Startup {
public:
    Startup();
    ~Startup();

    TMainForm& mainForm() { return *MainForm; }

private:
    void showSplash();
    void typeForTests();

    QTranslator translator_;
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TFshow> Fshow;
};

} // namespace linealidad
