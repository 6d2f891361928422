// The cost of each result command on the largest study a file may hold (150 observations),
// from the command to its window painted in the main frame (offscreen): validation,
// computation, the window's text and the first paint.

#include "LargeStudy.h"
#include "OffscreenBenchmarks.h"

#include "gui/app/TMainForm.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/results/AcceptanceWindow.h"
#include "gui/results/TFinfo.h"
#include "gui/results/TfinfoA.h"
#include "gui/results/TfinfoR.h"
#include "gui/results/Tfrminforme.h"
#include "gui/results/ValidationWindow.h"
#include "gui/study/TFinforma.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>

#include <benchmark/benchmark.h>

using namespace linealidad;

namespace {

// Notes the first paint of `window` or of any widget inside it.
class PaintWait : public QObject {
public:
    explicit PaintWait(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintWait() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            painted = painted || widget == window_ || window_->isAncestorOf(widget);
        }
        return false;
    }
    // Processes events until the window has been painted; false when it never opened.
    bool wait() {
        if (!window_)
            return false;
        while (!painted)
            QCoreApplication::processEvents();
        return true;
    }
    void watch(QWidget* window) { window_ = window; }

private:
    QWidget* window_ = nullptr;
    bool painted = false;
};

// The main window, shown, with the 150-observation study in its study window.
struct Frame {
    TMainForm form;
    Frame() {
        setDecimalSeparator('.');
        form.resize(1280, 900);
        form.show();
        form.createStartupWindows();
        form.FileNew();
        form.Finforma()->loadStudy(bench::largeStudy());
        QCoreApplication::processEvents();
    }
    // Closes every result window, leaving the study window.
    void closeResults() {
        for (QMdiSubWindow* w : form.ClientArea()->subWindowList())
            if (w != form.Finforma())
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

// Runs `command` and waits for the paint of the window it opened (its newest window).
template <typename Window>
void measure(benchmark::State& state, void (TMainForm::*command)(),
             const QPointer<Window>& (TMainForm::*newest)() const) {
    Frame frame;
    for (auto _ : state) {
        (frame.form.*command)();
        PaintWait painting((frame.form.*newest)());
        if (!painting.wait()) {
            state.SkipWithError("the command opened no window");
            break;
        }
        state.PauseTiming();
        frame.closeResults();
        state.ResumeTiming();
    }
}

void Inference(benchmark::State& state) {
    measure(state, &TMainForm::mnuinferenciaClick, &TMainForm::Finfo);
}
BENCHMARK(Inference)->Unit(benchmark::kMillisecond);

void Variance(benchmark::State& state) {
    measure(state, &TMainForm::mnuanovaClick, &TMainForm::finfoA);
}
BENCHMARK(Variance)->Unit(benchmark::kMillisecond);

void Residuals(benchmark::State& state) {
    measure(state, &TMainForm::mnuresidClick, &TMainForm::finfoR);
}
BENCHMARK(Residuals)->Unit(benchmark::kMillisecond);

void Report(benchmark::State& state) {
    measure(state, &TMainForm::mnuinformeClick, &TMainForm::frminforme);
}
BENCHMARK(Report)->Unit(benchmark::kMillisecond);

// "Dictamen...", against the user's criteria (the defaults in a fresh home).
void Verdict(benchmark::State& state) {
    measure(state, &TMainForm::showAcceptanceVerdict, &TMainForm::acceptanceWindow);
}
BENCHMARK(Verdict)->Unit(benchmark::kMillisecond);

// "Estadística de validación...", with the recovery as the user's settings have it.
void Validation(benchmark::State& state) {
    measure(state, &TMainForm::showValidation, &TMainForm::validationWindow);
}
BENCHMARK(Validation)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return linealidad::bench::runOffscreenBenchmarks<QApplication>(argc, argv);
}
