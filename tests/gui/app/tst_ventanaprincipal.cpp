#include "app/TFshow.h"
#include "app/VisorAyuda.h"
#include "gui/support/VentanaDePrueba.h"
#include "support/EstudiosDePrueba.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace linealidad;
using prueba::VentanaDePrueba;

namespace {

QString lineaDeEstado(const VentanaDePrueba& v) {
    return v.form->findChild<QLabel*>("StatusLine")->text();
}

VisorAyuda* visor(const VentanaDePrueba& v) {
    return v.form->findChild<VisorAyuda*>();
}

} // namespace

class TestVentanaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<VisorAyuda*>(w))
                w->close();
        QVERIFY(prueba::sinVentanasSueltas());
    }

    void barraDeHerramientas() {
        VentanaDePrueba v;
        QStringList botones;
        for (QToolButton* b : v.form->findChildren<QToolButton*>())
            if (b->objectName().startsWith(QLatin1String("spd")))
                botones << b->objectName();
        for (const char* nombre :
             {"spdnuevo", "spdabrir", "spdguardar", "spdprint", "spdprint1", "spdclose", "spdexit",
              "spdmosaico", "spdcascada", "spdcontenido"})
            QVERIFY2(botones.contains(QLatin1String(nombre)), nombre);
        QCOMPARE(v.accion("spdnuevo")->toolTip(), QStringLiteral("Nuevo"));
        QCOMPARE(v.accion("spdnuevo")->statusTip(), QStringLiteral("Crea un nuevo archivo"));
        QCOMPARE(v.accion("spdprint")->toolTip(), QStringLiteral("Imprimir en Lasser"));
        // A switched-off button shows its own disabled image.
        const QIcon icono = v.accion("spdguardar")->icon();
        QVERIFY(icono.pixmap(20, QIcon::Disabled).toImage() != icono.pixmap(20).toImage());
    }

    void indicacionesEnLaLineaDeEstado() {
        VentanaDePrueba v;
        QMenuBar* barra = v.form->menuBar();
        emit barra->hovered(v.form->findChild<QMenu*>("mnucalculos")->menuAction());
        QCOMPARE(lineaDeEstado(v), QStringLiteral("Cálculos de Precisión del sistema"));

        auto* archivo = v.form->findChild<QMenu*>("FileMenu");
        emit archivo->hovered(v.accion("FileSaveAsItem"));
        QCOMPARE(lineaDeEstado(v),
                 QStringLiteral("Guarda el archivo con un nuevo nombre y/o trayectoria"));
        emit archivo->hovered(v.accion("FileExitItem")); // a hint without a bar: whole
        QCOMPARE(lineaDeEstado(v), QStringLiteral("Salir del módulo KTRZ"));
        emit v.form->findChild<QMenu*>("mnucalculos")->hovered(v.accion("mnuresid"));
        QCOMPARE(lineaDeEstado(v), QStringLiteral("presenta el Análisis de Residuales"));

        QStatusTipEvent boton(v.accion("spdexit")->statusTip());
        QApplication::sendEvent(v.form.get(), &boton);
        QCOMPARE(lineaDeEstado(v),
                 QStringLiteral("Salir del módulo Linealidad y Precisión del Sistema de Medición"));
        QCOMPARE(v.form->findChild<QLabel*>("Paneld")->text(), QStringLiteral("F1 < Ayuda >"));
    }

    void atajosYAceleradores() {
        VentanaDePrueba v;
        QCOMPARE(v.accion("FileNewItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(v.accion("FileOpenItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(v.accion("FileSaveItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        QCOMPARE(v.accion("HelpSearchItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F1")));
        QCOMPARE(v.accion("HelpHowToUseItem")->text(), QStringLiteral("Como &usar  la ayuda"));
        QTest::keyClick(v.form.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(v.form->Finforma);
    }

    void ayudaPorContexto() {
        VentanaDePrueba v;
        v.form->muestraAyuda(11);
        QVERIFY(visor(v));
        QCOMPARE(visor(v)->paginaActual(), QStringLiteral("inferencia.html"));
        v.form->HelpContents();
        QCOMPARE(visor(v)->paginaActual(), QStringLiteral("contenido.html"));
        v.form->muestraAyuda(9999); // no page: the contents
        QCOMPARE(visor(v)->paginaActual(), QStringLiteral("contenido.html"));
        v.form->HelpSearch();
        auto* palabras = visor(v)->findChild<QListWidget*>("palabras");
        QVERIFY(palabras->count() > 20); // the whole index
    }

    void f1EnUnElementoDeMenu() {
        VentanaDePrueba v;
        auto* calculos = v.form->findChild<QMenu*>("mnucalculos");
        v.form->aplica(EventoEstudio::EntraRejillaDatos);
        calculos->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(calculos));
        calculos->setActiveAction(v.accion("mnuanova"));
        QTest::keyClick(calculos, Qt::Key_F1);
        QVERIFY(visor(v));
        QCOMPARE(visor(v)->paginaActual(), QStringLiteral("anova.html"));
        QVERIFY(!calculos->isVisible());
    }

    void f1EnUnaVentanaDeResultado() {
        VentanaDePrueba v;
        v.form->FileNew();
        v.form->Finforma->cargaEstudio(prueba::ejemploTrabajado());
        v.form->mnuinformeClick();
        QTest::keyClick(v.form.get(), Qt::Key_F1);
        QVERIFY(visor(v));
        QCOMPARE(visor(v)->paginaActual(), QStringLiteral("informe.html"));
    }

    void presentacionSeCierraTrasActivar() {
        TFshow fshow;
        fshow.show();
        QVERIFY(!fshow.Timer1()->isActive()); // off until the main window is activated
        fshow.activaTemporizador();
        QCOMPARE(fshow.Timer1()->interval(), 3000);
        QVERIFY(fshow.Timer1()->isSingleShot());
        QVERIFY(fshow.Timer1()->isActive());
        QMetaObject::invokeMethod(fshow.Timer1(), "timeout");
        QVERIFY(!fshow.isVisible());
    }
};

QTEST_MAIN(TestVentanaPrincipal)
#include "tst_ventanaprincipal.moc"
