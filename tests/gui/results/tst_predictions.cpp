#include "gui/results/Tfrmpredice.h"
#include "gui/widgets/StringGridView.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QPushButton>
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

    void commandOnTheExample() {
        test::TestWindow v;
        v.form->FileNew();
        v.form->Finforma->loadStudy(test::workedExample());
        v.form->createStartupWindows();
        Tfrmpredice* d = v.form->frmpredice;
        QString slope, prediction;
        QTimer::singleShot(0, d, [&] {
            slope = d->findChild<QLabel*>("lblm")->text();
            auto* m = d->findChild<StringGridView*>("stgpredice")->model();
            m->setData(m->index(1, 0), QStringLiteral("2.5"));
            m->setData(m->index(2, 0), QStringLiteral("1"));
            m->setData(m->index(3, 0), QStringLiteral("3"));
            d->findChild<QPushButton*>("btncalcula")->click();
            prediction = QString::fromStdString(d->cells().cell(1, 1));
            d->findChild<QPushButton*>("BtBtncerrar")->click();
        });
        v.form->mnuprediceClick();
        QCOMPARE(slope, QStringLiteral("0.975"));
        QCOMPARE(prediction, QStringLiteral("2.5375"));
        QVERIFY(!d->isVisible());
    }
};

QTEST_MAIN(TestPredictions)
#include "tst_predictions.moc"
