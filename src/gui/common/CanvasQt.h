#pragma once

#include "core/canvas.h"

#include <QFont>
#include <QPoint>

class QPainter;

namespace linealidad {

// The drawing surface of charts and pages over a QPainter: a window's paint box, a printer
// page, an image or a PDF document. Lines are drawn without antialiasing, one pixel wide on the
// screen and as wide as a screen pixel on devices of finer resolution, so a print-out looks as
// the window does. Texts are drawn without a background.
class CanvasQt : public Canvas {
public:
    // The painter must be active on its device for the life of the canvas.
    explicit CanvasQt(QPainter& painter);

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void polygon(const std::vector<Point>& points) override;

    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;

    void setPen(PenStyle style, Color color) override;
    void setBrush(BrushStyle style, Color color) override;
    void setFont(const Font& font) override;
    Font font() const override { return font_; }

    int pixelsPerInch() const override;
    int width() const override;
    int height() const override;

private:
    // The box of a shape whose right and bottom edges are exclusive, as QPainter outlines it.
    QRect boxOf(int left, int top, int right, int bottom) const;

    QPainter& painter_;
    QPoint position_;
    Font font_;
    QFont qfont_;
    int penWidth_ = 1;
};

} // namespace linealidad
