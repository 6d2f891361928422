#include "app/ReglasHabilitacion.h"
#include "gui/support/VentanaDePrueba.h"

#include <QMdiArea>
#include <QMenu>
#include <QtTest>

using namespace linealidad;
using prueba::VentanaDePrueba;

namespace {

// A result-like child window: closing the last one restores "&Nuevo" and "&Abrir...".
QMdiSubWindow* ventanaDeResultado(TMainForm& form) {
    auto* v = new QMdiSubWindow;
    v->setAttribute(Qt::WA_DeleteOnClose);
    v->setWidget(new QWidget);
    form.ClientArea()->addSubWindow(v);
    QObject::connect(v, &QObject::destroyed, &form, [&form] {
        if (form.ClientArea()->subWindowList().isEmpty())
            form.aplica(EventoEstudio::UltimaVentanaCierra);
    });
    v->show();
    return v;
}

} // namespace

class TestReglasHabilitacion : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(prueba::sinVentanasSueltas()); }

    void tablaDeUnaFila() {
        QCOMPARE(cambioDe(GrupoComandos::Nuevo, EventoEstudio::VentanaEstudioCierra),
                 Cambio::Igual);
        QCOMPARE(cambioDe(GrupoComandos::Nuevo, EventoEstudio::UltimaVentanaCierra),
                 Cambio::Habilita);
        QCOMPARE(cambioDe(GrupoComandos::Guardar, EventoEstudio::TeclaEnDatos), Cambio::Habilita);
        QCOMPARE(cambioDe(GrupoComandos::Imprimir, EventoEstudio::TeclaEnDatos), Cambio::Igual);
        QCOMPARE(cambioDe(GrupoComandos::OtrosCalculos, EventoEstudio::UltimaVentanaCierra),
                 Cambio::Igual);
        QCOMPARE(cambioDe(GrupoComandos::Inferencia, EventoEstudio::UltimaVentanaCierra),
                 Cambio::Deshabilita);
        // "&Cálculos" itself is never switched off again.
        for (int e = 1; e <= static_cast<int>(EventoEstudio::UltimaVentanaCierra); ++e)
            QVERIFY(cambioDe(GrupoComandos::MenuCalculos, static_cast<EventoEstudio>(e)) !=
                    Cambio::Deshabilita);
    }

    void alInicio() {
        VentanaDePrueba v;
        for (const char* on :
             {"FileNewItem", "FileOpenItem", "spdnuevo", "spdabrir", "FileExitItem", "spdexit",
              "HelpContentsItem", "HelpAboutItem", "spdcontenido"})
            QVERIFY2(v.activo(on), on);
        for (const char* off :
             {"mnuclose", "spdclose", "FileSaveItem", "FileSaveAsItem", "spdguardar", "PrintLasser",
              "spdprint", "mnuinferencia", "mnuanova", "mnugraph", "mnuinforme", "WindowTileItem",
              "spdmosaico", "spdcascada"})
            QVERIFY2(!v.activo(off), off);
        QVERIFY(!v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
        QVERIFY(!v.accion("PrintDeskjet")->isVisible());
        QVERIFY(!v.accion("spdprint1")->isVisible());
        QVERIFY(!v.accion("HelpHowToUseItem")->isVisible());
    }

    void nuevoYEntradaALaRejilla() {
        VentanaDePrueba v;
        v.form->FileNew();
        QVERIFY(v.form->Finforma);
        QVERIFY(!v.activo("FileNewItem"));
        QVERIFY(!v.activo("spdabrir"));
        QVERIFY(v.activo("spdclose"));
        QVERIFY(!v.activo("WindowTileItem")); // tile and cascade stay off after "&Nuevo"
        QVERIFY(!v.activo("mnuinferencia"));

        v.form->aplica(EventoEstudio::EntraRejillaDatos);
        for (const char* on :
             {"FileSaveItem", "spdguardar", "PrintLasser", "spdprint", "mnuinferencia", "mnuanova",
              "mnugraphR", "mnuinforme", "mnupredice"})
            QVERIFY2(v.activo(on), on);
        QVERIFY(v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
        for (QAction* a : v.form->Finforma->accionesEmergentes())
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

    void abrirNoEnciendeElMenuDeCalculos() {
        VentanaDePrueba v;
        v.dialogos->archivoAbrir = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        v.form->FileOpen();
        QVERIFY(v.form->Finforma);
        QVERIFY(v.activo("mnuinferencia"));
        QVERIFY(v.activo("WindowCascadeItem"));
        QVERIFY(!v.activo("FileSaveItem"));
        QVERIFY(!v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
    }

    void cerrarConUnResultadoActivo() {
        VentanaDePrueba v;
        v.form->FileNew();
        v.form->aplica(EventoEstudio::EntraRejillaDatos);
        QMdiSubWindow* resultado = ventanaDeResultado(*v.form);
        v.form->ClientArea()->setActiveSubWindow(resultado);
        v.form->mnucloseClick();
        QTRY_VERIFY(v.form->ClientArea()->subWindowList().size() == 1);
        QVERIFY(v.form->Finforma);
        QVERIFY(v.activo("FileSaveItem"));
        QVERIFY(v.activo("mnuclose"));
        QVERIFY(!v.activo("FileNewItem"));
    }

    void cajaDeCierreConUnResultadoAbierto() {
        VentanaDePrueba v;
        v.form->FileNew();
        v.form->aplica(EventoEstudio::EntraRejillaDatos);
        QMdiSubWindow* resultado = ventanaDeResultado(*v.form);
        v.form->Finforma->close();
        QTRY_VERIFY(!v.form->Finforma);
        for (const char* off : {"FileSaveItem", "spdprint", "mnuinferencia", "mnuanova"})
            QVERIFY2(!v.activo(off), off);
        QVERIFY(!v.activo("FileNewItem")); // a child window remains
        resultado->close();
        QTRY_VERIFY(v.activo("FileNewItem"));
        QVERIFY(v.activo("spdabrir"));
        QVERIFY(!v.activo("mnuclose"));
    }

    void cerrarElEstudioPorElMenu() {
        VentanaDePrueba v;
        v.form->FileNew();
        v.form->aplica(EventoEstudio::EntraRejillaDatos);
        v.form->ClientArea()->setActiveSubWindow(v.form->Finforma);
        v.form->mnucloseClick();
        QTRY_VERIFY(!v.form->Finforma);
        QVERIFY(v.activo("FileNewItem"));
        QVERIFY(!v.activo("mnuclose"));
        QVERIFY(!v.activo("mnuinferencia"));
        // "&Cálculos" stays on once on; its items are off.
        QVERIFY(v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
    }
};

QTEST_MAIN(TestReglasHabilitacion)
#include "tst_reglashabilitacion.moc"
