#include "gui/support/VentanaDePrueba.h"
#include "widgets/StringGridView.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace linealidad;
using prueba::VentanaDePrueba;

namespace {

// A main window with a new study window, focus in it.
struct Captura : VentanaDePrueba {
    Captura() {
        form->FileNew();
        foco();
    }
    QTabWidget* thoja() const { return control<QTabWidget>("thoja"); }
    StringGridView* rejilla(const char* nombre) const { return control<StringGridView>(nombre); }
    const Study& estudio() const { return form->Finforma->estudio(); }

    // Types `texto` where the focus is.
    static void escribe(const QString& texto) {
        for (QChar c : texto) {
            if (c.unicode() < 128)
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                    QString(c), Qt::NoModifier);
        }
    }
    static void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    // Moves the focus to a control of the study window, as a click on it would.
    void entra(QWidget* w) {
        w->setFocus(Qt::MouseFocusReason);
        foco();
    }
    // Types a replicate count into the cell of level `nivel`.
    void replica(int nivel, const QString& n) {
        rejilla("stgniveles")->setCurrentCell(nivel, 1);
        foco();
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        escribe(n);
    }
    // Clicks the tab of a page.
    void pestana(int indice) {
        QTabBar* barra = thoja()->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(indice).center());
        foco();
    }
    void replicas(std::initializer_list<const char*> r) {
        entra(rejilla("stgniveles"));
        int i = 1;
        for (const char* n : r)
            replica(i++, QString::fromLatin1(n));
    }
};

} // namespace

class TestCapturaEstudio : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(prueba::sinVentanasSueltas()); }

    void empiezaEnInformacionGeneral() {
        Captura c;
        QCOMPARE(c.form->Finforma->windowTitle(), QStringLiteral("Nuevo"));
        QCOMPARE(c.thoja()->currentIndex(), 0);
        QCOMPARE(Captura::foco(), c.caja("emetodo"));
        QCOMPARE(c.caja("emetodo")->maxLength(), 60);
        QCOMPARE(c.caja("efecha")->maxLength(), 20);
        QCOMPARE(c.caja("eniveles")->text(), QStringLiteral("3"));
    }

    void enterAvanzaSoloConTexto() {
        Captura c;
        Captura::enter();
        QCOMPARE(Captura::foco(), c.caja("emetodo"));
        Captura::escribe(QStringLiteral("Valoración"));
        QCOMPARE(c.form->findChild<QLabel*>("estado")->text(), QStringLiteral("Modificado"));
        QCOMPARE(c.estudio().emetodo, std::string("Valoración"));
        Captura::enter();
        QCOMPARE(Captura::foco(), c.caja("eanalista"));
        for (const char* texto : {"Ana", "1/2/2026", "mg", "Área"}) {
            Captura::escribe(QString::fromUtf8(texto));
            Captura::enter();
        }
        QCOMPARE(c.thoja()->currentIndex(), 1);
        QCOMPARE(Captura::foco(), c.caja("eniveles"));
        QVERIFY(c.dialogos->mensajes.isEmpty());
    }

    void comprobacionesDelNumeroDeNiveles_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("fuera de rango") << "6"
                                        << "Datos fuera de rango, 3-5 Niveles";
        QTest::newRow("dos") << "2"
                             << "Datos fuera de rango, 3-5 Niveles";
        QTest::newRow("letra") << "x"
                               << "El valor de captura no es un valor numérico.";
        QTest::newRow("vacío") << ""
                               << "Falta capturar número de Niveles";
    }
    void comprobacionesDelNumeroDeNiveles() {
        QFETCH(QString, texto);
        QFETCH(QString, mensaje);
        Captura c;
        c.entra(c.caja("eniveles"));
        c.caja("eniveles")->selectAll();
        QTest::keyClick(c.caja("eniveles"), Qt::Key_Delete);
        Captura::escribe(texto);
        c.entra(c.rejilla("stgniveles"));
        QCOMPARE(c.dialogos->mensajes, QStringList{mensaje});
        QCOMPARE(Captura::foco(), c.caja("eniveles"));
        QCOMPARE(c.thoja()->currentIndex(), 1);
    }

    void nivelesSinAceptar() {
        Captura c;
        c.entra(c.caja("eniveles"));
        c.caja("eniveles")->selectAll();
        Captura::escribe(QStringLiteral("4"));
        c.entra(c.rejilla("stgniveles"));
        QCOMPARE(c.dialogos->mensajes, QStringList{QStringLiteral(
                                           "El número de celdas de captura para las replicaciones, "
                                           "no coincide con el número de niveles.")});
        QCOMPARE(Captura::foco(), c.caja("eniveles"));
    }

    void aceptarNivelesConservaLasReplicas() {
        Captura c;
        c.entra(c.caja("eniveles"));
        c.caja("eniveles")->selectAll();
        Captura::escribe(QStringLiteral("5"));
        c.control<QPushButton>("btnsinumero")->click();
        QCOMPARE(Captura::foco()->parentWidget()->parentWidget(), c.rejilla("stgniveles"));
        QCOMPARE(c.estudio().stgniveles.colCount(), 6);
        QCOMPARE(c.estudio().stgniveles.cell(5, 0), std::string("5"));
        for (int i = 1; i <= 4; ++i)
            c.replica(i, QStringLiteral("1"));
        c.replica(5, QStringLiteral("2"));
        c.entra(c.caja("eniveles"));
        c.caja("eniveles")->selectAll();
        Captura::escribe(QStringLiteral("3"));
        c.control<QPushButton>("btnsinumero")->click();
        QCOMPARE(c.estudio().stgniveles.colCount(), 4);
        c.entra(c.caja("eniveles"));
        c.caja("eniveles")->selectAll();
        Captura::escribe(QStringLiteral("5"));
        c.control<QPushButton>("btnsinumero")->click();
        QCOMPARE(c.estudio().stgniveles.cell(5, 1), std::string("2"));
    }

    void unClicQueLaComprobacionRechazaNoActua() {
        Captura c;
        c.entra(c.caja("eniveles"));
        c.caja("eniveles")->selectAll();
        Captura::escribe(QStringLiteral("9"));
        c.control<QPushButton>("btnsinumero")->click();
        Captura::foco();
        QCOMPARE(c.dialogos->mensajes,
                 QStringList{QStringLiteral("Datos fuera de rango, 3-5 Niveles")});
        QCOMPARE(c.estudio().stgniveles.colCount(), 4);
        QCOMPARE(QApplication::focusWidget(), c.caja("eniveles"));
    }

    void comprobacionesDeReplicas_data() {
        QTest::addColumn<QString>("segunda");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("seis") << "6"
                              << "Datos fuera de rango, maximo 5 Réplicas";
        QTest::newRow("letras") << "dos"
                                << "El dato2 no es un valor numérico.";
        QTest::newRow("vacía") << ""
                               << "Falta el dato 2";
    }
    void comprobacionesDeReplicas() {
        QFETCH(QString, segunda);
        QFETCH(QString, mensaje);
        Captura c;
        c.replicas({"3", "x", "3"});
        c.replica(2, segunda);
        c.entra(c.control<QPushButton>("botonok"));
        QCOMPARE(c.dialogos->mensajes, QStringList{mensaje});
        QVERIFY(c.rejilla("stgniveles")->holds(Captura::foco()));
    }

    void replicaConFraccionEsUnFallo() {
        Captura c;
        c.replicas({"3", "2.5", "3"});
        c.entra(c.control<QPushButton>("botonok"));
        QCOMPARE(c.dialogos->errores,
                 QStringList{QStringLiteral("'2.5' is not a valid integer value.")});
        QVERIFY(c.rejilla("stgniveles")->holds(Captura::foco()));
    }

    void datosConReplicasCompletas() {
        Captura c;
        c.replicas({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        QCOMPARE(Captura::foco()->parentWidget()->parentWidget(), c.rejilla("stgdatos"));
        QCOMPARE(c.thoja()->currentIndex(), 2);
        QVERIFY(c.dialogos->mensajes.isEmpty());
        QVERIFY(c.activo("mnuinferencia")); // entering the data grid switches the commands on
    }

    void datosConReplicasQueNoSuman() {
        Captura c;
        c.replicas({"3", "3", "2"});
        c.control<QPushButton>("botonok")->click();
        Captura::foco();
        QCOMPARE(c.dialogos->mensajes,
                 QStringList{QStringLiteral("El número de celdas de captura para los datos, no "
                                            "coincide con el número de replicas por nivel.")});
        QCOMPARE(c.thoja()->currentIndex(), 1);
        QVERIFY(c.rejilla("stgniveles")->holds(QApplication::focusWidget()));
        QVERIFY(c.activo("mnuinferencia")); // switched on before the checks
    }

    void enterEnLaUltimaReplicaVaAlBoton() {
        Captura c;
        c.replicas({"3", "3", "3"});
        Captura::enter();
        QCOMPARE(Captura::foco(), c.control<QPushButton>("botonok"));
        QVERIFY(c.rejilla("stgniveles")->tabMovesBetweenCells()); // back to normal on leaving
        QCOMPARE(c.rejilla("stgniveles")->col(), 1);
    }

    void salidaDeLaRejillaDeDatos() {
        Captura c;
        c.replicas({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Captura::foco();
        Captura::escribe(QStringLiteral("1"));
        c.pestana(1);
        QCOMPARE(c.dialogos->mensajes, QStringList{QStringLiteral("Falta capturar un dato ")});
        QVERIFY(c.rejilla("stgdatos")->holds(Captura::foco()));
        QCOMPARE(c.rejilla("stgdatos")->col(), 1);
        QCOMPARE(c.rejilla("stgdatos")->row(), 1);
    }

    void datoNoNumerico() {
        Captura c;
        c.replicas({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Captura::foco();
        for (int fila = 1; fila <= 9; ++fila)
            for (int col = 1; col <= 2; ++col) {
                c.rejilla("stgdatos")->setCurrentCell(col, fila);
                Captura::foco();
                Captura::escribe(fila == 5 && col == 2 ? QStringLiteral("1,5")
                                                       : QString::number(fila));
            }
        c.pestana(0);
        QCOMPARE(c.dialogos->mensajes,
                 QStringList{QStringLiteral("Algun dato capturado no es un valor numérico.")});
        QCOMPARE(c.thoja()->currentIndex(), 2);
    }

    void teclaEnLaUltimaCelda() {
        Captura c;
        c.replicas({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Captura::foco();
        c.form->aplica(EventoEstudio::CerradoPorCerrar); // everything off again, for the test
        c.form->aplica(EventoEstudio::Nuevo);
        Captura::escribe(QStringLiteral("7"));
        QVERIFY(c.activo("FileSaveItem"));
        QVERIFY(!c.activo("mnuinferencia"));
        c.rejilla("stgdatos")->setCurrentCell(2, 9);
        Captura::foco();
        Captura::escribe(QStringLiteral("7"));
        QVERIFY(c.activo("mnuinferencia"));
        QVERIFY(c.activo("spdprint"));
        QVERIFY(!c.rejilla("stgdatos")->tabMovesBetweenCells());
    }

    void tabEnLaRejilla() {
        Captura c;
        c.replicas({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        StringGridView* datos = c.rejilla("stgdatos");
        datos->setCurrentCell(1, 4);
        QTest::keyClick(Captura::foco(), Qt::Key_Tab);
        QCOMPARE(datos->col(), 2);
        QTest::keyClick(Captura::foco(), Qt::Key_Tab);
        QCOMPARE(datos->col(), 1);
        QCOMPARE(datos->row(), 5);
        QVERIFY(datos->tabMovesBetweenCells());
        // Shift+Tab from the first cell wraps to the last one, which makes Tab leave the grid.
        datos->setCurrentCell(1, 1);
        QTest::keyClick(Captura::foco(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(datos->col(), 2);
        QCOMPARE(datos->row(), 9);
        QVERIFY(!datos->tabMovesBetweenCells());
    }

    void laCajaDeMensajeNoRepiteLaComprobacion() {
        Captura c;
        // While the box is "open" the focus goes to another window and comes back.
        c.dialogos->alMostrar = [] {
            QDialog caja;
            auto* edit = new QLineEdit(&caja);
            caja.show();
            QApplication::setActiveWindow(&caja);
            edit->setFocus();
            QCoreApplication::processEvents();
            caja.close();
        };
        c.entra(c.caja("eniveles"));
        c.caja("eniveles")->selectAll();
        Captura::escribe(QStringLiteral("8"));
        c.entra(c.caja("emetodo"));
        QApplication::setActiveWindow(c.form.get());
        Captura::foco();
        QCOMPARE(c.dialogos->mensajes.size(), 1);
        QCOMPARE(QApplication::focusWidget(), c.caja("eniveles"));
    }

    void pestanaPorClic() {
        Captura c;
        QTabBar* barra = c.thoja()->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(1).center());
        QCOMPARE(Captura::foco(), c.caja("eniveles"));
        QCOMPARE(c.thoja()->currentIndex(), 1);
        c.caja("eniveles")->selectAll();
        Captura::escribe(QStringLiteral("7"));
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(0).center());
        QCOMPARE(Captura::foco(), c.caja("eniveles"));
        QCOMPARE(c.thoja()->currentIndex(), 1); // the check sent it back
        QCOMPARE(c.dialogos->mensajes.size(), 1);
    }
};

QTEST_MAIN(TestCapturaEstudio)
#include "tst_capturaestudio.moc"
