#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace linealidad {

// A paint box: a plain area whose whole content is drawn by its owner at every paint request.
class CajaDibujo : public QWidget {
    Q_OBJECT
public:
    explicit CajaDibujo(QWidget* parent = nullptr);

    // The owner's drawing, with a painter active on the box.
    std::function<void(QPainter&)> alPintar;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace linealidad
