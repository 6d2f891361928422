#pragma once

#include <QFrame>
#include <QStringList>

namespace linealidad {

// A column of text lines that takes no input, drawn as a read-only plain-text memo draws them:
// a sunken frame, the memo's margin inside it, one line under the other in the widget's font
// and text colour on its base colour. Only the lines a paint request reaches are drawn. A text
// edit lays out every line of its document whenever it is resized or shown, which made a memo
// tall enough for 150 observations most of the cost of opening the residuals window.
class TextColumn : public QFrame {
    Q_OBJECT
public:
    explicit TextColumn(QWidget* parent = nullptr);

    void setLines(QStringList lines);
    int lineCount() const { return static_cast<int>(lines_.size()); }
    // The lines joined by line ends, as a memo's plain text.
    QString text() const;

    // The height at which every line shows, frame and margins included.
    int heightForAllLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The distance from one line's top to the next, and from a line's top to its baseline, as
    // a plain-text layout spaces them (the font's leading included).
    qreal linePitch() const;
    qreal baseline() const;

    QStringList lines_;
};

} // namespace linealidad
