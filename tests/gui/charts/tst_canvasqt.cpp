#include "charts/CanvasQt.h"
#include "charts/FuenteCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace linealidad;

namespace {

// A white image to draw on.
QImage lienzo(int ancho = 40, int alto = 40) {
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    return imagen;
}

bool negro(const QImage& imagen, int x, int y) {
    return imagen.pixelColor(x, y) == QColor(Qt::black);
}

Font arial(int altura) {
    Font f;
    f.name = "Arial";
    f.height = altura;
    return f;
}

} // namespace

class TestCanvasQt : public QObject {
    Q_OBJECT
private slots:
    // A positive height is the cell height the text takes: the chart places its lines by it.
    void alturaDeCelda() {
        QImage imagen = lienzo();
        for (int altura : {6, 8, 11, 15, 21, 40, 78}) {
            const QFontMetrics fm(fuenteQt(arial(altura), &imagen), &imagen);
            QVERIFY2(std::abs(fm.height() - altura) <= 1,
                     qPrintable(QStringLiteral("%1 gives %2").arg(altura).arg(fm.height())));
        }
        QCOMPARE(fuenteQt(arial(-17), &imagen).pixelSize(), 17); // character height
    }

    // The texts of a window too small to hold them have a height of 0.
    void alturaCero() {
        QImage imagen = lienzo();
        QPainter painter(&imagen);
        CanvasQt canvas(painter);
        canvas.setFont(arial(0));
        canvas.textOut(1, 1, "Control de Calidad");
        QVERIFY(canvas.textHeight("j") >= 0);
        QCOMPARE(canvas.font().height, 0);
    }

    // Right and bottom are exclusive, with the pen's outline or the brush's fill alone.
    void rectanguloExclusivo() {
        QImage imagen = lienzo();
        {
            QPainter painter(&imagen);
            CanvasQt canvas(painter);
            canvas.setPen(PenStyle::Solid, colors::black);
            canvas.setBrush(BrushStyle::Clear, colors::black);
            canvas.rectangle(2, 2, 8, 8);
            canvas.setPen(PenStyle::Clear, colors::black);
            canvas.setBrush(BrushStyle::Solid, colors::black);
            canvas.rectangle(20, 20, 24, 24);
        }
        QVERIFY(negro(imagen, 2, 2));
        QVERIFY(negro(imagen, 7, 7));
        QVERIFY(!negro(imagen, 8, 8));
        QVERIFY(!negro(imagen, 5, 5)); // no fill
        QVERIFY(negro(imagen, 20, 20));
        QVERIFY(negro(imagen, 23, 23));
        QVERIFY(!negro(imagen, 24, 24));
    }

    // Lines run from the pen position; a clear pen moves it without drawing.
    void lineasYPlumaTransparente() {
        QImage imagen = lienzo();
        {
            QPainter painter(&imagen);
            CanvasQt canvas(painter);
            canvas.moveTo(0, 10);
            canvas.lineTo(30, 10);
            canvas.setPen(PenStyle::Clear, colors::black);
            canvas.lineTo(30, 30);
            canvas.setPen(PenStyle::Solid, colors::black);
            canvas.lineTo(10, 30);
        }
        QVERIFY(negro(imagen, 15, 10));
        QVERIFY(!negro(imagen, 30, 20));
        QVERIFY(negro(imagen, 20, 30));
    }

    // A text's top-left corner is at (x, y): nothing of it above y, its cell below.
    void textoDesdeSuEsquina() {
        QImage imagen = lienzo(200, 60);
        int alto = 0;
        {
            QPainter painter(&imagen);
            CanvasQt canvas(painter);
            canvas.setFont(arial(30));
            alto = canvas.textHeight("É");
            canvas.textOut(10, 20, "ÉMjg");
        }
        int arriba = imagen.height(), abajo = 0;
        for (int y = 0; y < imagen.height(); ++y)
            for (int x = 0; x < imagen.width(); ++x)
                if (imagen.pixelColor(x, y).lightness() < 128) {
                    arriba = std::min(arriba, y);
                    abajo = std::max(abajo, y);
                }
        QVERIFY2(arriba >= 20, qPrintable(QString::number(arriba)));
        QVERIFY2(abajo < 20 + alto, qPrintable(QString::number(abajo)));
    }

    // A print-out's lines are as wide as a screen pixel.
    void plumaEnAltaResolucion() {
        QImage imagen = lienzo(100, 100);
        imagen.setDotsPerMeterX(23622); // 600 per inch
        imagen.setDotsPerMeterY(23622);
        {
            QPainter painter(&imagen);
            CanvasQt canvas(painter);
            QCOMPARE(canvas.pixelsPerInch(), 600);
            canvas.moveTo(0, 50);
            canvas.lineTo(99, 50);
        }
        int ancho = 0;
        for (int y = 0; y < 100; ++y)
            ancho += negro(imagen, 50, y) ? 1 : 0;
        QCOMPARE(ancho, 6);
    }
};

QTEST_MAIN(TestCanvasQt)
#include "tst_canvasqt.moc"
