#include "gui/support/VentanaDePrueba.h"
#include "study/StudyFile.h"
#include "support/EstudiosDePrueba.h"
#include "widgets/StringGridView.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;
using prueba::VentanaDePrueba;

namespace {

QString estado(const VentanaDePrueba& v) {
    return v.form->findChild<QLabel*>("estado")->text();
}

// A window with the worked example typed in its study window, marked as modified.
struct ConEjemplo : VentanaDePrueba {
    ConEjemplo() {
        form->FileNew();
        foco();
        form->Finforma->cargaEstudio(prueba::ejemploTrabajado());
        form->marcaModificado();
    }
};

} // namespace

class TestComandosArchivo : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(prueba::sinVentanasSueltas()); }

    void guardarUnEstudioNuevoPideNombre() {
        QTemporaryDir dir;
        ConEjemplo v;
        const QString ruta = dir.filePath("ejemplo.w02");
        v.dialogos->archivoGuardar = ruta;
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogos->dialogos.size(), 1);
        QCOMPARE(v.dialogos->dialogos[0].titulo, QStringLiteral("Guardar como"));
        QCOMPARE(v.dialogos->dialogos[0].nombreInicial, QStringLiteral("Nuevo"));
        QCOMPARE(estado(v), QStringLiteral(" "));
        QCOMPARE(v.form->Finforma->windowTitle(), ruta);
        QCOMPARE(leeEstudio(ruta.toStdString()).stgdatos.cell(2, 6), std::string("2.9"));

        // Saved again: the same file, no dialog, the mark cleared to nothing.
        v.form->marcaModificado();
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogos->dialogos.size(), 1);
        QCOMPARE(estado(v), QString());
    }

    void guardarCanceladoConservaLaMarca() {
        ConEjemplo v;
        QVERIFY(!v.form->FileSaveAs());
        QCOMPARE(estado(v), QStringLiteral("Modificado"));
        QCOMPARE(v.form->Finforma->windowTitle(), QStringLiteral("Nuevo"));
    }

    void estudioInvalidoNoSeEscribe() {
        QTemporaryDir dir;
        ConEjemplo v;
        Study s = prueba::ejemploTrabajado();
        s.stgdatos.setCell(2, 4, "");
        v.form->Finforma->cargaEstudio(s);
        v.dialogos->archivoGuardar = dir.filePath("no.w02");
        QVERIFY(!v.form->FileSave());
        QCOMPARE(v.dialogos->mensajes.value(0),
                 QStringLiteral("Falta el dato 4 de la propiedad medida"));
        QVERIFY(v.dialogos->dialogos.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("no.w02")));
        QVERIFY(v.control<StringGridView>("stgdatos")->holds(VentanaDePrueba::foco()));
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget())); // the cell's editor shows
    }

    void abrirLoGuardado() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("estudio.txt");
        {
            ConEjemplo v;
            v.dialogos->archivoGuardar = ruta;
            QVERIFY(v.form->FileSaveAs());
        }
        VentanaDePrueba v;
        v.dialogos->archivoAbrir = ruta;
        v.form->FileOpen();
        QVERIFY(v.form->Finforma);
        QCOMPARE(v.dialogos->dialogos[0].titulo, QStringLiteral("Abrir archivo"));
        QCOMPARE(VentanaDePrueba::foco(), v.caja("emetodo")); // it starts on its first page
        QCOMPARE(v.form->Finforma->windowTitle(), ruta);
        QCOMPARE(estado(v), QString());
        QCOMPARE(v.caja("emetodo")->text(), QStringLiteral("Valoración por UV"));
        QCOMPARE(v.caja("eadicionada")->text(), QStringLiteral("mg"));
        const Study& s = v.form->Finforma->estudio();
        QCOMPARE(s.stgdatos.cell(0, 3), std::string("          2"));
        QCOMPARE(s.stgniveles.cell(0, 0), std::string("     Nivel"));
        QCOMPARE(s.stgdatos.rowCount(), 7);

        // Saving a study read from a file overwrites it without a dialog.
        v.form->marcaModificado();
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogos->dialogos.size(), 1);
        QCOMPARE(leeEstudio(ruta.toStdString()).emetodo, std::string("Valoración por UV"));
    }

    void archivoQueNoEsUnEstudio() {
        QTemporaryDir dir;
        const QString ruta = dir.filePath("malo.w02");
        QFile f(ruta);
        f.open(QIODevice::WriteOnly);
        f.write("a\r\nb\r\nc\r\nd\r\ne\r\ntres\r\n");
        f.close();
        VentanaDePrueba v;
        v.dialogos->archivoAbrir = ruta;
        v.form->FileOpen();
        QCOMPARE(v.dialogos->errores.size(), 1);
        QVERIFY(v.dialogos->errores[0].contains(QStringLiteral("línea 6")));
        QVERIFY(!v.form->Finforma);
        QVERIFY(v.form->ClientArea()->subWindowList().isEmpty());
        QVERIFY(v.activo("FileOpenItem"));
        QVERIFY(!v.activo("mnuclose"));

        v.dialogos->archivoAbrir = dir.filePath("no-existe.w02");
        v.form->FileOpen();
        QCOMPARE(v.dialogos->errores.value(1), QStringLiteral("File not found."));
    }

    void preguntaAlCerrar() {
        ConEjemplo v;
        v.dialogos->respuesta = false;
        v.form->Finforma->close();
        QTRY_VERIFY(!v.form->Finforma);
        QCOMPARE(v.dialogos->preguntas,
                 QStringList{QStringLiteral("Guardar archivo?|Se realizaron cambios!\nQuiere "
                                            "guardar su información?")});
        QCOMPARE(estado(v), QStringLiteral(" "));
    }

    void sinCambiosNoPregunta() {
        VentanaDePrueba v;
        v.form->FileNew();
        v.form->Finforma->close();
        QTRY_VERIFY(!v.form->Finforma);
        QVERIFY(v.dialogos->preguntas.isEmpty());
    }

    void siNoSeGuardoLaVentanaQueda() {
        ConEjemplo v;
        v.dialogos->respuesta = true; // save it; the save dialog is cancelled
        QVERIFY(!v.form->Finforma->close());
        QVERIFY(v.form->Finforma);
        QCOMPARE(estado(v), QStringLiteral("Modificado"));
        v.form->FileExit();
        QVERIFY(v.form->isVisible()); // the program does not end
        QVERIFY(v.form->Finforma);

        QTemporaryDir dir;
        v.dialogos->archivoGuardar = dir.filePath("guardado.w02");
        v.form->FileExit();
        QVERIFY(!v.form->isVisible());
        QVERIFY(QFile::exists(dir.filePath("guardado.w02")));
    }

    void soltarUnArchivoLoAbre() {
        VentanaDePrueba v;
        QMimeData datos;
        datos.setUrls(
            {QUrl::fromLocalFile(QStringLiteral(LINEALIDAD_EJEMPLOS "/siete-niveles.txt"))});
        v.form->abreSoltado(datos);
        QVERIFY(v.form->Finforma);
        QCOMPARE(v.form->Finforma->estudio().eniveles, std::string("7"));
        v.form->abreSoltado(datos); // a study is open already
        QCOMPARE(v.dialogos->mensajes.size(), 1);
        QCOMPARE(v.form->ClientArea()->subWindowList().size(), 1);
    }
};

QTEST_MAIN(TestComandosArchivo)
#include "tst_comandosarchivo.moc"
