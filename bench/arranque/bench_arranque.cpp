// The cost of starting the application up to the first paint of its main window (offscreen),
// against the same for an empty main window with a menu and a tool bar.

#include "app/TFshow.h"
#include "app/TMainForm.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QToolBar>

#include <benchmark/benchmark.h>

namespace {

// Processes events until `ventana` has been painted once.
class EsperaPintado : public QObject {
public:
    explicit EsperaPintado(QWidget* ventana) { ventana->installEventFilter(this); }
    bool pintado = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            pintado = true;
        return false;
    }
    void espera() {
        while (!pintado)
            QCoreApplication::processEvents();
    }
};

void VentanaVacia(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow ventana;
        ventana.menuBar()->addMenu(QStringLiteral("&Archivo"))->addAction(QStringLiteral("&Nuevo"));
        ventana.addToolBar(QStringLiteral("barra"))->addAction(QStringLiteral("Nuevo"));
        EsperaPintado pintura(&ventana);
        ventana.show();
        pintura.espera();
    }
}
BENCHMARK(VentanaVacia)->Unit(benchmark::kMillisecond);

void Arranque(benchmark::State& state) {
    for (auto _ : state) {
        linealidad::TMainForm principal;
        linealidad::TFshow presentacion;
        EsperaPintado pintura(&principal);
        presentacion.show();
        principal.show();
        pintura.espera();
    }
}
BENCHMARK(Arranque)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
