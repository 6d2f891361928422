#pragma once

#include <QWidget>

class QTimer;

namespace linealidad {

// The splash window: borderless, above every window, shown from its creation. Its timer runs
// each time the main window is activated and closes it 3000 ms later.
class TFshow : public QWidget {
    Q_OBJECT
public:
    explicit TFshow(QWidget* parent = nullptr);

    // The main window was activated: (re)start the timer.
    void startTimer();
    QTimer* Timer1() const { return Timer1_; }

private:
    void Timer1Timer();
    QTimer* Timer1_;
};

} // namespace linealidad
