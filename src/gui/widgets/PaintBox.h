#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace linealidad {

// A paint box: a plain area whose whole content is drawn by its owner at every paint request.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);

    // The owner's drawing, with a painter active on the box.
    std::function<void(QPainter&)> onPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace linealidad
