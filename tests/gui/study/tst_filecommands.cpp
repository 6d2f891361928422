#include "core/study/StudyFile.h"
#include "gui/widgets/StringGridView.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;

namespace {

// The text of the status panel "estado".
QString statusPanelText(const TestWindow& v) {
    return v.form->findChild<QLabel*>("estado")->text();
}

// A window with the worked example typed in its study window, marked as modified.
struct WithExample : TestWindow {
    WithExample() {
        form->FileNew();
        focus();
        form->Finforma->loadStudy(test::workedExample());
        form->markModified();
    }
};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    void savingANewStudyAsksForAName() {
        QTemporaryDir dir;
        WithExample v;
        const QString path = dir.filePath("ejemplo.w02");
        v.dialogs->saveFileDialog = path;
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.size(), 1);
        QCOMPARE(v.dialogs->dialogs[0].title, QStringLiteral("Guardar como"));
        QCOMPARE(v.dialogs->dialogs[0].initialName, QStringLiteral("Nuevo"));
        QCOMPARE(statusPanelText(v), QStringLiteral(" "));
        QCOMPARE(v.form->Finforma->windowTitle(), path);
        QCOMPARE(readStudy(path.toStdString()).stgdatos.cell(2, 6), std::string("2.9"));

        // Saved again: the same file, no dialog, the mark cleared to nothing.
        v.form->markModified();
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.size(), 1);
        QCOMPARE(statusPanelText(v), QString());
    }

    // The study window that follows a saved study starts never saved: saving it asks for a name.
    void aNewStudyAfterASavedOne() {
        QTemporaryDir dir;
        WithExample v;
        v.dialogs->saveFileDialog = dir.filePath("uno.w02");
        QVERIFY(v.form->FileSave());
        QVERIFY(v.form->Finforma->close());
        QTRY_VERIFY(!v.form->Finforma);
        v.form->FileNew();
        QCOMPARE(v.form->Finforma->windowTitle(), QStringLiteral("Nuevo"));
        v.form->Finforma->loadStudy(test::workedExample());
        v.dialogs->saveFileDialog = dir.filePath("dos.w02");
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.size(), 2);
        QCOMPARE(v.form->Finforma->windowTitle(), dir.filePath("dos.w02"));
        QVERIFY(QFile::exists(dir.filePath("dos.w02")));
    }

    void cancelledSaveKeepsTheMark() {
        WithExample v;
        QVERIFY(!v.form->FileSaveAs());
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QCOMPARE(v.form->Finforma->windowTitle(), QStringLiteral("Nuevo"));
    }

    void invalidStudyIsNotWritten() {
        QTemporaryDir dir;
        WithExample v;
        Study s = test::workedExample();
        s.stgdatos.setCell(2, 4, "");
        v.form->Finforma->loadStudy(s);
        v.dialogs->saveFileDialog = dir.filePath("no.w02");
        QVERIFY(!v.form->FileSave());
        QCOMPARE(v.dialogs->messages.value(0),
                 QStringLiteral("Falta el dato 4 de la propiedad medida"));
        QVERIFY(v.dialogs->dialogs.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("no.w02")));
        QVERIFY(v.control<StringGridView>("stgdatos")->holds(TestWindow::focus()));
        QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget())); // the cell's editor shows
    }

    void openWhatWasSaved() {
        QTemporaryDir dir;
        const QString path = dir.filePath("estudio.txt");
        {
            WithExample v;
            v.dialogs->saveFileDialog = path;
            QVERIFY(v.form->FileSaveAs());
        }
        TestWindow v;
        v.dialogs->openFileDialog = path;
        v.form->FileOpen();
        QVERIFY(v.form->Finforma);
        QCOMPARE(v.dialogs->dialogs[0].title, QStringLiteral("Abrir archivo"));
        QCOMPARE(TestWindow::focus(), v.box("emetodo")); // it starts on its first page
        QCOMPARE(v.form->Finforma->windowTitle(), path);
        QCOMPARE(statusPanelText(v), QString());
        QCOMPARE(v.box("emetodo")->text(), QStringLiteral("Valoración por UV"));
        QCOMPARE(v.box("eadicionada")->text(), QStringLiteral("mg"));
        const Study& s = v.form->Finforma->study();
        QCOMPARE(s.stgdatos.cell(0, 3), std::string("          2"));
        QCOMPARE(s.stgniveles.cell(0, 0), std::string("     Nivel"));
        QCOMPARE(s.stgdatos.rowCount(), 7);

        // Saving a study read from a file overwrites it without a dialog.
        v.form->markModified();
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.size(), 1);
        QCOMPARE(readStudy(path.toStdString()).emetodo, std::string("Valoración por UV"));
    }

    void fileThatIsNoStudy() {
        QTemporaryDir dir;
        const QString path = dir.filePath("malo.w02");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("a\r\nb\r\nc\r\nd\r\ne\r\ntres\r\n");
        f.close();
        TestWindow v;
        v.dialogs->openFileDialog = path;
        v.form->FileOpen();
        QCOMPARE(v.dialogs->errors.size(), 1);
        QVERIFY(v.dialogs->errors[0].contains(QStringLiteral("línea 6")));
        QVERIFY(!v.form->Finforma);
        QVERIFY(v.form->ClientArea()->subWindowList().isEmpty());
        QVERIFY(v.enabled("FileOpenItem"));
        QVERIFY(!v.enabled("mnuclose"));

        v.dialogs->openFileDialog = dir.filePath("no-existe.w02");
        v.form->FileOpen();
        QCOMPARE(v.dialogs->errors.value(1), QStringLiteral("File not found."));
    }

    void questionOnClose() {
        WithExample v;
        v.dialogs->answer = false;
        v.form->Finforma->close();
        QTRY_VERIFY(!v.form->Finforma);
        QCOMPARE(v.dialogs->questions,
                 QStringList{QStringLiteral("Guardar archivo?|Se realizaron cambios!\nQuiere "
                                            "guardar su información?")});
        QCOMPARE(statusPanelText(v), QStringLiteral(" "));
    }

    void noChangesAsksNothing() {
        TestWindow v;
        v.form->FileNew();
        v.form->Finforma->close();
        QTRY_VERIFY(!v.form->Finforma);
        QVERIFY(v.dialogs->questions.isEmpty());
    }

    void ifNotSavedTheWindowStays() {
        WithExample v;
        v.dialogs->answer = true; // save it; the save dialog is cancelled
        QVERIFY(!v.form->Finforma->close());
        QVERIFY(v.form->Finforma);
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        v.form->FileExit();
        QVERIFY(v.form->isVisible()); // the program does not end
        QVERIFY(v.form->Finforma);

        QTemporaryDir dir;
        v.dialogs->saveFileDialog = dir.filePath("guardado.w02");
        v.form->FileExit();
        QVERIFY(!v.form->isVisible());
        QVERIFY(QFile::exists(dir.filePath("guardado.w02")));
    }

    void droppingAFileOpensIt() {
        TestWindow v;
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(QStringLiteral(LINEALIDAD_EJEMPLOS "/siete-niveles.txt"))});
        v.form->openDropped(data);
        QVERIFY(v.form->Finforma);
        QCOMPARE(v.form->Finforma->study().eniveles, std::string("7"));
        v.form->openDropped(data); // a study is open already
        QCOMPARE(v.dialogs->messages.size(), 1);
        QCOMPARE(v.form->ClientArea()->subWindowList().size(), 1);
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
