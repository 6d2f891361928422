// One process start-up, to the first paint of its main window, then exit: `app` starts the
// program as its entry does; `empty` shows the yardstick, the frame the main window is with
// nothing in it (an MDI area as the central widget, a menu bar and a tool bar), maximized.
// bench/startup.sh times both from process start to exit.

#include "gui/app/Startup.h"
#include "gui/app/TMainForm.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>

#include <cstring>
#include <memory>

namespace {

// Ends the event loop at the first paint of the watched window.
class ExitOnPaint : public QObject {
public:
    explicit ExitOnPaint(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};

std::unique_ptr<QMainWindow> emptyWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QMdiArea(window.get()));
    window->menuBar()->addMenu(QStringLiteral("&Archivo"))->addAction(QStringLiteral("&Nuevo"));
    window->addToolBar(QStringLiteral("SpeedBar"))->addAction(QStringLiteral("Nuevo"));
    window->showMaximized();
    return window;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "empty") == 0) {
        const auto window = emptyWindow();
        ExitOnPaint exit(*window);
        return QApplication::exec();
    }
    linealidad::Startup startup;
    ExitOnPaint exit(startup.mainForm());
    return QApplication::exec();
}
