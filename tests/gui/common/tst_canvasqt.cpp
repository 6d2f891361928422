#include "gui/common/CanvasFont.h"
#include "gui/common/CanvasQt.h"
#include "support/CompareNear.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace linealidad;

namespace {

// A white image to draw on.
QImage canvas(int width = 40, int alto = 40) {
    QImage image(width, alto, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool black(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == QColor(Qt::black);
}

Font arial(int height) {
    Font f;
    f.name = "Arial";
    f.height = height;
    return f;
}

} // namespace

class TestCanvasQt : public QObject {
    Q_OBJECT
private slots:
    // A positive height is the cell height the text takes: the chart places its lines by it.
    void cellHeight() {
        QImage image = canvas();
        for (int height : {6, 8, 11, 15, 21, 40, 78}) {
            const QFontMetrics fm(qtFont(arial(height), &image), &image);
            QCOMPARE_NEAR(fm.height(), height, 1);
        }
        QCOMPARE(qtFont(arial(-17), &image).pixelSize(), 17); // character height
    }

    // The texts of a window too small to hold them have a height of 0.
    void zeroHeight() {
        QImage image = canvas();
        QPainter painter(&image);
        CanvasQt canvas(painter);
        canvas.setFont(arial(0));
        canvas.textOut(1, 1, "Control de Calidad");
        QVERIFY(canvas.textHeight("j") >= 0);
        QCOMPARE(canvas.font().height, 0);
    }

    // Right and bottom are exclusive, with the pen's outline or the brush's fill alone.
    void exclusiveRectangle() {
        QImage image = canvas();
        {
            QPainter painter(&image);
            CanvasQt canvas(painter);
            canvas.setPen(PenStyle::Solid, colors::black);
            canvas.setBrush(BrushStyle::Clear, colors::black);
            canvas.rectangle(2, 2, 8, 8);
            canvas.setPen(PenStyle::Clear, colors::black);
            canvas.setBrush(BrushStyle::Solid, colors::black);
            canvas.rectangle(20, 20, 24, 24);
        }
        QVERIFY(black(image, 2, 2));
        QVERIFY(black(image, 7, 7));
        QVERIFY(!black(image, 8, 8));
        QVERIFY(!black(image, 5, 5)); // no fill
        QVERIFY(black(image, 20, 20));
        QVERIFY(black(image, 23, 23));
        QVERIFY(!black(image, 24, 24));
    }

    // Lines run from the pen position; a clear pen moves it without drawing.
    void linesAndClearPen() {
        QImage image = canvas();
        {
            QPainter painter(&image);
            CanvasQt canvas(painter);
            canvas.moveTo(0, 10);
            canvas.lineTo(30, 10);
            canvas.setPen(PenStyle::Clear, colors::black);
            canvas.lineTo(30, 30);
            canvas.setPen(PenStyle::Solid, colors::black);
            canvas.lineTo(10, 30);
        }
        QVERIFY(black(image, 15, 10));
        QVERIFY(!black(image, 30, 20));
        QVERIFY(black(image, 20, 30));
    }

    // A text's top-left corner is at (x, y): nothing of it above y, its cell below.
    void textFromItsCorner() {
        QImage image = canvas(200, 60);
        int alto = 0;
        {
            QPainter painter(&image);
            CanvasQt canvas(painter);
            canvas.setFont(arial(30));
            alto = canvas.textHeight("É");
            canvas.textOut(10, 20, "ÉMjg");
        }
        int above = image.height(), below = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).lightness() < 128) {
                    above = std::min(above, y);
                    below = std::max(below, y);
                }
        QVERIFY2(above >= 20, qPrintable(QString::number(above)));
        QVERIFY2(below < 20 + alto, qPrintable(QString::number(below)));
    }

    // A print-out's lines are as wide as a screen pixel.
    void penAtHighResolution() {
        QImage image = canvas(100, 100);
        image.setDotsPerMeterX(23622); // 600 per inch
        image.setDotsPerMeterY(23622);
        {
            QPainter painter(&image);
            CanvasQt canvas(painter);
            QCOMPARE(canvas.pixelsPerInch(), 600);
            canvas.moveTo(0, 50);
            canvas.lineTo(99, 50);
        }
        int width = 0;
        for (int y = 0; y < 100; ++y)
            width += black(image, 50, y) ? 1 : 0;
        QCOMPARE(width, 6);
    }
};

QTEST_MAIN(TestCanvasQt)
#include "tst_canvasqt.moc"
