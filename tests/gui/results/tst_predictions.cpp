#include "core/results/InverseCommand.h"
#include "gui/results/Tfrmpredice.h"
#include "gui/widgets/StringGridView.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace linealidad;
using test::FakeDialogs;

namespace {

// The dialog on its own, shown and active, with a fit of slope m and intercept b.
struct Dialog {
    FakeDialogs dialogs;
    Tfrmpredice d{[this]() -> Dialogs& { return dialogs; }};

    Dialog(double m, double b) {
        ResultadosRegresion R;
        R.Pendiente = m;
        R.Ordenada = b;
        R.R2 = 0.98765432123;
        d.present(R, '.');
        d.show();
        QApplication::setActiveWindow(&d);
        active = QTest::qWaitForWindowActive(&d);
    }
    ~Dialog() { d.hide(); }
    bool active = false;

    template <typename T> T* control(const char* name) { return d.findChild<T*>(name); }
    QString label(const char* name) { return control<QLabel>(name)->text(); }
    void number(const QString& text) {
        auto* e = control<QLineEdit>("epredice");
        e->setFocus();
        e->setText(text);
    }
    void x(int row, const char* valor) {
        auto* grid = control<StringGridView>("stgpredice");
        grid->model()->setData(grid->model()->index(row, 0), QString::fromLatin1(valor));
    }
    QString y(int row) { return QString::fromStdString(d.cells().cell(1, row)); }
    // The inverse direction on a study's calibration.
    void calibrate(const Study& s) {
        ResultSet results;
        d.setCalibration(inverseCommand(s, '.', results));
        d.present(results.regression, '.');
        d.showInverse(true);
    }
    void response(int row, const char* value) {
        auto* grid = control<StringGridView>("stginversa");
        grid->model()->setData(grid->model()->index(row, 0), QString::fromLatin1(value));
    }
    QStringList inverseRow(int row) {
        QStringList cells;
        for (int col = 0; col < 5; ++col)
            cells << QString::fromStdString(d.inverseCells().cell(col, row));
        return cells;
    }
    void press(const char* button) {
        control<QPushButton>(button)->click();
        QCoreApplication::processEvents();
    }
};

} // namespace

class TestPredictions : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    void equationAndColours() {
        Dialog p(0.975, -0.1);
        QCOMPARE(p.label("lblm"), QStringLiteral("0.975"));
        QCOMPARE(p.label("lblB"), QStringLiteral("-0.1"));
        QCOMPARE(p.label("LBLCD"), QStringLiteral("0.98765432"));
        QVERIFY(!p.control<QLabel>("lblm1")->isVisibleTo(&p.d));
        QVERIFY(p.control<QLabel>("lblb1")->isVisibleTo(&p.d));
        QVERIFY(p.control<QLabel>("lblb2")->isVisibleTo(&p.d));
        QCOMPARE(p.control<QLabel>("lblB")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(p.control<QLabel>("lblm")->palette().color(QPalette::WindowText),
                 QColor(Qt::blue));
        QCOMPARE(p.d.cells().cell(0, 0), std::string("          X"));
    }

    void predictsWithTheShownEquation() {
        Dialog p(1.23456789, 0);
        QCOMPARE(p.label("lblm"), QStringLiteral("1.23457"));
        p.x(1, "3");
        p.x(2, "2.5");
        p.x(3, "-1");
        p.press("btncalcula");
        QCOMPARE(p.y(1), QStringLiteral("3.70371")); // 1.23457 · 3, not 1.23456789 · 3
        QCOMPARE(p.y(3), QStringLiteral("-1.23457"));
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void valueCount() {
        Dialog p(2, 1);
        for (const char* outside : {"11", "0"}) {
            p.number(QString::fromLatin1(outside));
            p.press("btnok");
            QCOMPARE(p.dialogs.messages.takeFirst(),
                     QStringLiteral("Datos fuera de rango, 1-10 Datos"));
            QCOMPARE(p.d.cells().rowCount(), 4);
        }
        p.number(QString());
        p.press("btnok");
        QCOMPARE(p.dialogs.messages.takeFirst(),
                 QStringLiteral("Falta capturar el número de datos que desea predecir."));
        p.number(QStringLiteral("6"));
        p.press("btnok");
        QCOMPARE(p.d.cells().rowCount(), 7);
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    void enteringTheGridWithoutAccepting() {
        Dialog p(2, 1);
        QVERIFY(p.active);
        p.number(QStringLiteral("5"));
        p.control<StringGridView>("stgpredice")->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(p.dialogs.messages,
                 QStringList{QStringLiteral("El número de celdas de captura no coincide con el "
                                            "número de niveles.")});
        QCOMPARE(QApplication::focusWidget(), p.control<QLineEdit>("epredice"));
        QCOMPARE(p.d.cells().rowCount(), 4);
    }

    void missingValue() {
        Dialog p(2, 1);
        p.x(1, "1");
        p.press("btncalcula");
        QCOMPARE(p.dialogs.messages, QStringList{QStringLiteral("Falta capturar el dato No. 2")});
        QCOMPARE(p.y(1), QString());
    }

    // X read back from responses of the worked example (m = 0.975, b = 0.1, calibrated from
    // 1.075 to 3.025): the figures the calibration test checks against an exact computation.
    void inverseDirection() {
        Dialog p(1, 0);
        p.calibrate(test::workedExample());
        QVERIFY(p.control<StringGridView>("stginversa")->isVisibleTo(&p.d));
        QVERIFY(!p.control<StringGridView>("stgpredice")->isVisibleTo(&p.d));
        p.control<QLineEdit>("ereplicas")->setText(QStringLiteral("3"));
        p.response(1, "1.5");
        p.response(3, " 3.5 ");
        p.press("btncalculax");
        QVERIFY(p.dialogs.messages.isEmpty());
        QCOMPARE(p.inverseRow(1), (QStringList{"1.5", "1.4359", "1.10624", "1.76556", ""}));
        QCOMPARE(p.inverseRow(2), (QStringList{"", "", "", "", ""}));
        QCOMPARE(p.inverseRow(3)[4], QStringLiteral("fuera del intervalo calibrado"));
        // A response taken away clears its row; back to Y from X, the direct grid is as it was.
        p.response(1, "");
        p.press("btncalculax");
        QCOMPARE(p.inverseRow(1), (QStringList{"", "", "", "", ""}));
        p.control<QRadioButton>("rbdirecta")->click();
        QVERIFY(p.control<StringGridView>("stgpredice")->isVisibleTo(&p.d));
        QVERIFY(!p.control<StringGridView>("stginversa")->isVisibleTo(&p.d));
        QCOMPARE(p.d.size(), QSize(453, 368));
        QCOMPARE(p.control<QPushButton>("BtBtncerrar")->pos(), QPoint(274, 260));
    }

    void inverseBadInput_data() {
        QTest::addColumn<QString>("replicates");
        QTest::addColumn<QString>("response");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("error");
        const QString badReplicates =
            "Las réplicas de la muestra deben ser un número entero de 1 en adelante.";
        QTest::newRow("cero réplicas") << "0"
                                       << "2" << badReplicates << "";
        QTest::newRow("réplicas decimales") << "1.5"
                                            << "2" << badReplicates << "";
        QTest::newRow("sin réplicas") << ""
                                      << "2" << badReplicates << "";
        QTest::newRow("sin respuesta") << "1"
                                       << "  "
                                       << "Falta capturar al menos una respuesta Y."
                                       << "";
        QTest::newRow("respuesta que no es número") << "1"
                                                    << "2,5"
                                                    << ""
                                                    << "'2,5' is not a valid floating point value";
    }
    void inverseBadInput() {
        QFETCH(QString, replicates);
        QFETCH(QString, response);
        QFETCH(QString, message);
        QFETCH(QString, error);
        Dialog p(1, 0);
        p.calibrate(test::workedExample());
        p.response(2, "2.05");
        p.press("btncalculax");
        const QStringList computed = p.inverseRow(2);
        p.control<QLineEdit>("ereplicas")->setText(replicates);
        p.response(2, response.toLatin1().constData());
        p.press("btncalculax");
        QCOMPARE(p.dialogs.messages, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(p.dialogs.errors.join(QString()).contains(error), true);
        QCOMPARE(p.dialogs.errors.isEmpty(), error.isEmpty());
        QCOMPARE(p.inverseRow(2).mid(1), computed.mid(1)); // nothing computed
    }

    void inverseWithZeroSlope() {
        Dialog p(0, 5);
        p.calibrate(test::study({2, 2}, {"1", "1", "2", "2"}, {"5", "6", "6", "5"}));
        p.response(1, "5");
        p.press("btncalculax");
        QCOMPARE(p.dialogs.messages,
                 QStringList{QStringLiteral("La pendiente es cero, imposible realizar cálculos.")});
    }

    // Alt+X and Alt+Y choose their direction and put the focus in its grid, ready for typing.
    void directionLetters() {
        Dialog p(0.975, 0.1);
        QVERIFY(p.active);
        p.number(QStringLiteral("3"));
        QTest::keyClick(&p.d, Qt::Key_X, Qt::AltModifier);
        QCoreApplication::processEvents();
        QVERIFY(p.control<QRadioButton>("rbinversa")->isChecked());
        QVERIFY(p.control<StringGridView>("stginversa")->holds(QApplication::focusWidget()));
        QTest::keyClick(&p.d, Qt::Key_Y, Qt::AltModifier);
        QCoreApplication::processEvents();
        QVERIFY(p.control<QRadioButton>("rbdirecta")->isChecked());
        QVERIFY(p.control<StringGridView>("stgpredice")->holds(QApplication::focusWidget()));
        QVERIFY(p.dialogs.messages.isEmpty());
    }

    // Escape closes the dialog, also from a cell of a grid, whose editor keeps other keys.
    void escapeCloses() {
        Dialog p(0.975, 0.1);
        auto* grid = p.control<StringGridView>("stgpredice");
        grid->setFocus();
        QCoreApplication::processEvents();
        QVERIFY(grid->holds(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!p.d.isVisible());
    }

    void commandOnTheExample() {
        test::TestWindow v;
        v.form->FileNew();
        v.form->Finforma()->loadStudy(test::workedExample());
        v.form->createStartupWindows();
        Tfrmpredice* d = v.form->frmpredice();
        QString slope, prediction, inverse;
        QTimer::singleShot(0, d, [&] {
            slope = d->findChild<QLabel*>("lblm")->text();
            auto* m = d->findChild<StringGridView*>("stgpredice")->model();
            m->setData(m->index(1, 0), QStringLiteral("2.5"));
            m->setData(m->index(2, 0), QStringLiteral("1"));
            m->setData(m->index(3, 0), QStringLiteral("3"));
            d->findChild<QPushButton*>("btncalcula")->click();
            prediction = QString::fromStdString(d->cells().cell(1, 1));
            d->findChild<QRadioButton*>("rbinversa")->click();
            auto* r = d->findChild<StringGridView*>("stginversa")->model();
            r->setData(r->index(1, 0), QStringLiteral("2.05"));
            d->findChild<QPushButton*>("btncalculax")->click();
            inverse = QString::fromStdString(d->inverseCells().cell(2, 1));
            d->findChild<QRadioButton*>("rbdirecta")->click();
            d->findChild<QPushButton*>("BtBtncerrar")->click();
        });
        v.form->mnuprediceClick();
        QCOMPARE(slope, QStringLiteral("0.975"));
        QCOMPARE(prediction, QStringLiteral("2.5375"));
        QCOMPARE(inverse, QStringLiteral("1.53227"));
        QVERIFY(!d->isVisible());
    }
};

QTEST_MAIN(TestPredictions)
#include "tst_predictions.moc"
