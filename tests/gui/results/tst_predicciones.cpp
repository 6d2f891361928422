#include "gui/support/VentanaDePrueba.h"
#include "results/Tfrmpredice.h"
#include "support/EstudiosDePrueba.h"
#include "widgets/StringGridView.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace linealidad;
using prueba::InteraccionFalsa;

namespace {

// The dialog on its own, shown and active, with a fit of slope m and intercept b.
struct Dialogo {
    InteraccionFalsa dialogos;
    Tfrmpredice d{[this]() -> Interaccion& { return dialogos; }};

    Dialogo(double m, double b) {
        ResultadosRegresion R;
        R.Pendiente = m;
        R.Ordenada = b;
        R.R2 = 0.98765432123;
        d.presenta(R, '.');
        d.show();
        QApplication::setActiveWindow(&d);
        activa = QTest::qWaitForWindowActive(&d);
    }
    ~Dialogo() { d.hide(); }
    bool activa = false;

    template <typename T> T* control(const char* nombre) { return d.findChild<T*>(nombre); }
    QString etiqueta(const char* nombre) { return control<QLabel>(nombre)->text(); }
    void numero(const QString& texto) {
        auto* e = control<QLineEdit>("epredice");
        e->setFocus();
        e->setText(texto);
    }
    void x(int fila, const char* valor) {
        auto* rejilla = control<StringGridView>("stgpredice");
        rejilla->model()->setData(rejilla->model()->index(fila, 0), QString::fromLatin1(valor));
    }
    QString y(int fila) { return QString::fromStdString(d.celdas().cell(1, fila)); }
    void pulsa(const char* boton) {
        control<QPushButton>(boton)->click();
        QCoreApplication::processEvents();
    }
};

} // namespace

class TestPredicciones : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(prueba::sinVentanasSueltas()); }

    void ecuacionYColores() {
        Dialogo p(0.975, -0.1);
        QCOMPARE(p.etiqueta("lblm"), QStringLiteral("0.975"));
        QCOMPARE(p.etiqueta("lblB"), QStringLiteral("-0.1"));
        QCOMPARE(p.etiqueta("LBLCD"), QStringLiteral("0.98765432"));
        QVERIFY(!p.control<QLabel>("lblm1")->isVisibleTo(&p.d));
        QVERIFY(p.control<QLabel>("lblb1")->isVisibleTo(&p.d));
        QVERIFY(p.control<QLabel>("lblb2")->isVisibleTo(&p.d));
        QCOMPARE(p.control<QLabel>("lblB")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(p.control<QLabel>("lblm")->palette().color(QPalette::WindowText),
                 QColor(Qt::blue));
        QCOMPARE(p.d.celdas().cell(0, 0), std::string("          X"));
    }

    void prediceConLaEcuacionMostrada() {
        Dialogo p(1.23456789, 0);
        QCOMPARE(p.etiqueta("lblm"), QStringLiteral("1.23457"));
        p.x(1, "3");
        p.x(2, "2.5");
        p.x(3, "-1");
        p.pulsa("btncalcula");
        QCOMPARE(p.y(1), QStringLiteral("3.70371")); // 1.23457 · 3, not 1.23456789 · 3
        QCOMPARE(p.y(3), QStringLiteral("-1.23457"));
        QVERIFY(p.dialogos.mensajes.isEmpty());
    }

    void numeroDeDatos() {
        Dialogo p(2, 1);
        for (const char* fuera : {"11", "0"}) {
            p.numero(QString::fromLatin1(fuera));
            p.pulsa("btnok");
            QCOMPARE(p.dialogos.mensajes.takeFirst(),
                     QStringLiteral("Datos fuera de rango, 1-10 Datos"));
            QCOMPARE(p.d.celdas().rowCount(), 4);
        }
        p.numero(QString());
        p.pulsa("btnok");
        QCOMPARE(p.dialogos.mensajes.takeFirst(),
                 QStringLiteral("Falta capturar el número de datos que desea predecir."));
        p.numero(QStringLiteral("6"));
        p.pulsa("btnok");
        QCOMPARE(p.d.celdas().rowCount(), 7);
        QVERIFY(p.dialogos.mensajes.isEmpty());
    }

    void entrarALaRejillaSinAceptar() {
        Dialogo p(2, 1);
        QVERIFY(p.activa);
        p.numero(QStringLiteral("5"));
        p.control<StringGridView>("stgpredice")->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(p.dialogos.mensajes,
                 QStringList{QStringLiteral("El número de celdas de captura no coincide con el "
                                            "número de niveles.")});
        QCOMPARE(QApplication::focusWidget(), p.control<QLineEdit>("epredice"));
        QCOMPARE(p.d.celdas().rowCount(), 4);
    }

    void datoFaltante() {
        Dialogo p(2, 1);
        p.x(1, "1");
        p.pulsa("btncalcula");
        QCOMPARE(p.dialogos.mensajes, QStringList{QStringLiteral("Falta capturar el dato No. 2")});
        QCOMPARE(p.y(1), QString());
    }

    void comandoConElEjemplo() {
        prueba::VentanaDePrueba v;
        v.form->FileNew();
        v.form->Finforma->cargaEstudio(prueba::ejemploTrabajado());
        Tfrmpredice* d = v.form->frmpredice;
        QString pendiente, prediccion;
        QTimer::singleShot(0, d, [&] {
            pendiente = d->findChild<QLabel*>("lblm")->text();
            auto* m = d->findChild<StringGridView*>("stgpredice")->model();
            m->setData(m->index(1, 0), QStringLiteral("2.5"));
            m->setData(m->index(2, 0), QStringLiteral("1"));
            m->setData(m->index(3, 0), QStringLiteral("3"));
            d->findChild<QPushButton*>("btncalcula")->click();
            prediccion = QString::fromStdString(d->celdas().cell(1, 1));
            d->findChild<QPushButton*>("BtBtncerrar")->click();
        });
        v.form->mnuprediceClick();
        QCOMPARE(pendiente, QStringLiteral("0.975"));
        QCOMPARE(prediccion, QStringLiteral("2.5375"));
        QVERIFY(!d->isVisible());
    }
};

QTEST_MAIN(TestPredicciones)
#include "tst_predicciones.moc"
