#include "gui/widgets/TextColumn.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QtTest>

using namespace linealidad;

namespace {

// A heading and 150 observations' figures, as a residuals column holds them.
QStringList residualLines() {
    QStringList lines{QStringLiteral("Residuos"), QStringLiteral("Pronóstico para Y")};
    for (int i = 1; i <= 150; ++i)
        lines << QString::number(-0.0123456 * i * 1.37, 'g', 6);
    return lines;
}

// A read-only memo as the result windows make one, on the button face.
QPlainTextEdit* readOnlyMemo(QWidget* parent, const QStringList& lines) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    return memo;
}

QPalette buttonFace() {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    return palette;
}

} // namespace

class TestTextColumn : public QObject {
    Q_OBJECT
private slots:
    // The column draws exactly what a read-only memo of the same size and font draws, and its
    // height holds every line: a memo that high, with the residuals window's few pixels to
    // spare, has nothing left to scroll. The fonts include sizes whose line pitch is not the
    // font's rounded line spacing; the frame is the style's, in both styles Qt carries.
    void drawnAsAMemo_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        const QString fusion = QStringLiteral("Fusion");
        QTest::newRow("the application's font") << fusion << QString() << 0.0;
        QTest::newRow("sans 10") << fusion << QStringLiteral("Liberation Sans") << 10.0;
        QTest::newRow("serif 11.5") << fusion << QStringLiteral("DejaVu Serif") << 11.5;
        QTest::newRow("mono 8") << fusion << QStringLiteral("Liberation Mono") << 8.0;
        QTest::newRow("windows style") << QStringLiteral("Windows") << QString() << 0.0;
    }
    void drawnAsAMemo() {
        QFETCH(QString, style);
        QFETCH(QString, family);
        QFETCH(double, points);
        QStyle* drawing = QStyleFactory::create(style);
        QVERIFY(drawing);
        QApplication::setStyle(drawing);
        QWidget window;
        if (!family.isEmpty()) {
            QFont font(family);
            font.setPointSizeF(points);
            window.setFont(font);
        }
        window.setPalette(buttonFace());
        const QStringList lines = residualLines();
        auto* column = new TextColumn(&window);
        column->setLines(lines);
        QPlainTextEdit* memo = readOnlyMemo(&window, lines);
        const int height = column->heightForAllLines() + 4;
        column->setGeometry(0, 0, 155, height);
        memo->setGeometry(160, 0, 155, height);
        window.resize(320, height);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, 5000));

        QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
        QCOMPARE(column->grab().toImage(), memo->grab().toImage());
    }

    void textIsTheLinesJoined() {
        TextColumn column;
        column.setLines({QStringLiteral("****"), QStringLiteral("Observación"), QString()});
        QCOMPARE(column.lineCount(), 3);
        QCOMPARE(column.text(), QStringLiteral("****\nObservación\n"));
    }
};

QTEST_MAIN(TestTextColumn)
#include "tst_textcolumn.moc"
