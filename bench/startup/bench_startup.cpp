// The cost of starting the application up to the first paint of its main window (offscreen),
// against the same for an empty main window with an MDI area, a menu bar and a tool bar.

#include "OffscreenBenchmarks.h"
#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPaintEvent>
#include <QToolBar>

#include <benchmark/benchmark.h>

namespace {

// Processes events until `window` has been painted once.
class PaintWait : public QObject {
public:
    explicit PaintWait(QWidget* window) { window->installEventFilter(this); }
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    void wait() {
        while (!painted)
            QCoreApplication::processEvents();
    }
};

// The yardstick: the frame the application's main window is, with nothing in it -- an MDI
// area as the central widget, a menu bar and a tool bar -- at the main window's size.
void EmptyWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.setCentralWidget(new QMdiArea(&window));
        window.menuBar()->addMenu(QStringLiteral("&Archivo"))->addAction(QStringLiteral("&Nuevo"));
        window.addToolBar(QStringLiteral("SpeedBar"))->addAction(QStringLiteral("Nuevo"));
        window.resize(588, 370);
        PaintWait painting(&window);
        window.show();
        painting.wait();
    }
}
BENCHMARK(EmptyWindow)->Unit(benchmark::kMillisecond);

void Startup(benchmark::State& state) {
    for (auto _ : state) {
        linealidad::TMainForm mainWindow;
        linealidad::TFshow splash;
        PaintWait painting(&mainWindow);
        splash.show();
        mainWindow.show();
        painting.wait();
    }
}
BENCHMARK(Startup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return linealidad::bench::runOffscreenBenchmarks<QApplication>(argc, argv);
}
