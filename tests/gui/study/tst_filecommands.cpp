#include "core/study/StudyFile.h"
#include "gui/results/TFinfo.h"
#include "gui/widgets/StringGridView.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
        form->Finforma()->loadStudy(test::workedExample());
        form->markModified();
    }
};

// Writes `bytes` into a file of `dir` and returns its path.
QString fileWith(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

// The worked example's X and Y columns as two spreadsheet programs export them: comma
// separators, quoted headings and a point decimal; semicolons and a comma decimal, quoted
// numbers. Both with CR LF.
const QByteArray kCommaCsv = "\"X (mg)\",\"Absorbancia\"\r\n1,1.0\r\n1,1.2\r\n2,2.1\r\n"
                             "2,1.9\r\n3,3.2\r\n3,2.9\r\n";
const QByteArray kSemicolonCsv = "Nivel;X;Y\r\n1;1;\"1,0\"\r\n1;1;\"1,2\"\r\n2;2;\"2,1\"\r\n"
                                 "2;2;\"1,9\"\r\n3;3;\"3,2\"\r\n3;3;\"2,9\"\r\n";

// The X and Y texts of the study window's observation rows, "X:Y" each.
QStringList observations(const TestWindow& v) {
    QStringList rows;
    const StringGrid& g = v.form->Finforma()->study().stgdatos;
    for (int row = 1; row < g.rowCount(); ++row)
        rows << QString::fromStdString(g.cell(1, row) + ":" + g.cell(2, row));
    return rows;
}

const QStringList kWorkedExample{"1:1.0", "1:1.2", "2:2.1", "2:1.9", "3:3.2", "3:2.9"};

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
        QCOMPARE(v.form->Finforma()->windowTitle(), path);
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
        QVERIFY(v.form->Finforma()->close());
        QTRY_VERIFY(!v.form->Finforma());
        v.form->FileNew();
        QCOMPARE(v.form->Finforma()->windowTitle(), QStringLiteral("Nuevo"));
        v.form->Finforma()->loadStudy(test::workedExample());
        v.dialogs->saveFileDialog = dir.filePath("dos.w02");
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.size(), 2);
        QCOMPARE(v.form->Finforma()->windowTitle(), dir.filePath("dos.w02"));
        QVERIFY(QFile::exists(dir.filePath("dos.w02")));
    }

    void cancelledSaveKeepsTheMark() {
        WithExample v;
        QVERIFY(!v.form->FileSaveAs());
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QCOMPARE(v.form->Finforma()->windowTitle(), QStringLiteral("Nuevo"));
    }

    void invalidStudyIsNotWritten() {
        QTemporaryDir dir;
        WithExample v;
        Study s = test::workedExample();
        s.stgdatos.setCell(2, 4, "");
        v.form->Finforma()->loadStudy(s);
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
        QVERIFY(v.form->Finforma());
        QCOMPARE(v.dialogs->dialogs[0].title, QStringLiteral("Abrir archivo"));
        QCOMPARE(TestWindow::focus(), v.box("emetodo")); // it starts on its first page
        QCOMPARE(v.form->Finforma()->windowTitle(), path);
        QCOMPARE(statusPanelText(v), QString());
        QCOMPARE(v.box("emetodo")->text(), QStringLiteral("Valoración por UV"));
        QCOMPARE(v.box("eadicionada")->text(), QStringLiteral("mg"));
        const Study& s = v.form->Finforma()->study();
        QCOMPARE(s.stgdatos.cell(0, 3), std::string("          2"));
        QCOMPARE(s.stgniveles.cell(0, 0), std::string("     Nivel"));
        QCOMPARE(s.stgdatos.rowCount(), 7);

        // Saving a study read from a file overwrites it without a dialog.
        v.form->markModified();
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.size(), 1);
        QCOMPARE(readStudy(path.toStdString()).emetodo, std::string("Valoración por UV"));
    }

    // A menu command from the keyboard takes the focus to the menu bar for a moment; after
    // "Guardar como..." it is back in the cell that had it, and typing reaches that cell.
    void typingAfterSaveAsReachesTheCell() {
        QTemporaryDir dir;
        TestWindow v;
        QVERIFY(v.form->openStudy(QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02")));
        v.form->Finforma()->findChild<QTabWidget*>("thoja")->setCurrentIndex(2);
        auto* data = v.form->Finforma()->findChild<StringGridView*>("stgdatos");
        data->setFocus();
        data->setCurrentCell(2, 3);
        const QPointer<QWidget> editor = TestWindow::focus();
        QVERIFY(data->holds(editor));
        v.form->menuBar()->setFocus(Qt::MenuBarFocusReason); // Alt, as the menu bar takes it
        TestWindow::focus();
        v.dialogs->saveFileDialog = dir.filePath("guardado.w02");
        QVERIFY(v.form->FileSaveAs());
        QVERIFY(editor); // the editor stayed open for the menu bar to give the focus back to
        editor->setFocus(Qt::MenuBarFocusReason);
        QCOMPARE(TestWindow::focus(), editor.data());
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_5);
        QCOMPARE(v.form->Finforma()->study().stgdatos.cell(2, 3), std::string("2.15"));
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        v.dialogs->choice = Dialogs::Answer::No;
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
        QVERIFY(!v.form->Finforma());
        QVERIFY(v.form->ClientArea()->subWindowList().isEmpty());
        QVERIFY(v.enabled("FileOpenItem"));
        QVERIFY(!v.enabled("mnuclose"));

        v.dialogs->openFileDialog = dir.filePath("no-existe.w02");
        v.form->FileOpen();
        QCOMPARE(v.dialogs->errors.value(1), QStringLiteral("File not found."));
    }

    // A pipe handed over as a study, however it comes, is refused at once, and no study window
    // is left behind.
    void pipeIsRefusedEveryWay_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Abrir") << "open";
        QTest::newRow("Importar tabla") << "import";
        QTest::newRow("dropped") << "drop";
    }
    void pipeIsRefusedEveryWay() {
        QFETCH(QString, way);
        QTemporaryDir dir;
        const QString pipe = dir.filePath(way == "import" ? "tabla.csv" : "estudio.w02");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        TestWindow v;
        v.dialogs->openFileDialog = pipe;
        v.dialogs->tableFileDialog = pipe;
        if (way == "open")
            v.form->FileOpen();
        if (way == "import")
            v.form->FileImportTable();
        if (way == "drop") {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(pipe)});
            v.form->openDropped(data);
        }
        QCOMPARE(v.dialogs->errors, QStringList{"El archivo \"" + pipe +
                                                "\" no es un archivo normal: no se puede abrir."});
        QVERIFY(!v.form->Finforma());
    }

    void questionOnClose() {
        WithExample v;
        v.dialogs->answer = false;
        v.form->Finforma()->close();
        QTRY_VERIFY(!v.form->Finforma());
        QCOMPARE(v.dialogs->questions,
                 QStringList{QStringLiteral("Guardar archivo?|Se realizaron cambios!\nQuiere "
                                            "guardar su información?")});
        QCOMPARE(statusPanelText(v), QStringLiteral(" "));
    }

    // Cancelar (which Escape presses) on the save question keeps the window, whether it was
    // being closed alone or by "&Salir".
    void cancelKeepsTheWindow() {
        WithExample v;
        v.dialogs->choice = Dialogs::Answer::Cancel;
        v.form->mnucloseClick();
        QVERIFY(v.form->Finforma());
        QVERIFY(v.form->Finforma()->isVisible());
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QVERIFY(!v.enabled("FileNewItem"));
        QVERIFY(v.enabled("mnuclose")); // "C&errar" did not close it

        v.form->FileExit();
        QVERIFY(v.form->isVisible()); // the program does not end
        QVERIFY(v.form->Finforma());
        QCOMPARE(v.dialogs->questions.size(), 2);

        v.dialogs->choice = Dialogs::Answer::No; // the default button: closes without saving
        v.form->FileExit();
        QVERIFY(!v.form->isVisible());
    }

    void noChangesAsksNothing() {
        TestWindow v;
        v.form->FileNew();
        v.form->Finforma()->close();
        QTRY_VERIFY(!v.form->Finforma());
        QVERIFY(v.dialogs->questions.isEmpty());
    }

    void ifNotSavedTheWindowStays() {
        WithExample v;
        v.dialogs->answer = true; // save it; the save dialog is cancelled
        QVERIFY(!v.form->Finforma()->close());
        QVERIFY(v.form->Finforma());
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        v.form->FileExit();
        QVERIFY(v.form->isVisible()); // the program does not end
        QVERIFY(v.form->Finforma());

        QTemporaryDir dir;
        v.dialogs->saveFileDialog = dir.filePath("guardado.w02");
        v.form->FileExit();
        QVERIFY(!v.form->isVisible());
        QVERIFY(QFile::exists(dir.filePath("guardado.w02")));
    }

    // A dropped file opens only while "&Abrir..." is on: not beside an open study, nor while a
    // result window outlives its study.
    void droppingAFileOpensIt() {
        TestWindow v;
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(QStringLiteral(LINEALIDAD_EJEMPLOS "/siete-niveles.txt"))});
        v.form->openDropped(data);
        QVERIFY(v.form->Finforma());
        QCOMPARE(v.form->Finforma()->study().eniveles, std::string("7"));
        v.form->openDropped(data); // a study is open already
        QCOMPARE(v.form->ClientArea()->subWindowList().size(), 1);

        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo());
        QVERIFY(v.form->Finforma()->close());
        QTRY_VERIFY(!v.form->Finforma());
        QVERIFY(!v.enabled("FileOpenItem"));
        v.form->openDropped(data);
        QVERIFY(!v.form->Finforma());
        QVERIFY(v.dialogs->messages.isEmpty());
        QVERIFY(v.dialogs->errors.isEmpty());
    }

    void droppingATableImportsIt() {
        QTemporaryDir dir;
        TestWindow v;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(fileWith(dir, "tabla.csv", kCommaCsv))});
        v.form->openDropped(data);
        QVERIFY(v.form->Finforma());
        QCOMPARE(observations(v), kWorkedExample);
    }

    // Files from a computer with the other decimal separator open in this one's without a
    // question and unmodified; only a file that mixes both asks (Sí by default) and names the
    // lines of each.
    void separatorRule_data() {
        QTest::addColumn<char>("here");
        QTest::addColumn<QStringList>("y");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("firstYs");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("modified");
        const QStringList points{"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"};
        const QStringList commas{"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"};
        const QStringList mixed{"1.0", "1,2", "2.1", "1.9", "3.2", "2,9"};
        const QString toComma = QStringLiteral("Números convertidos de «.» a «,»");
        QTest::newRow("all points on a comma computer")
            << ',' << points << false << QString() << "1,0 1,2" << toComma << false;
        QTest::newRow("all commas on a point computer")
            << '.' << commas << false << QString() << "1.0 1.2"
            << QStringLiteral("Números convertidos de «,» a «.»") << false;
        QTest::newRow("this computer's")
            << '.' << points << false << QString() << "1.0 1.2" << QString() << false;
        const QString question = QStringLiteral(
            "Separador decimal|Los números de este archivo mezclan los dos separadores "
            "decimales.\nUsan «.»: las líneas 16 y 18 a 20.\nUsan «,»: las líneas 17 y 21.\n\n"
            "¿Convertirlos todos a «,»?");
        QTest::newRow("mixed, Sí")
            << ',' << mixed << true << question << "1,0 1,2" << toComma << true;
        QTest::newRow("mixed, No")
            << ',' << mixed << false << question << "1.0 1,2" << QString() << false;
    }
    void separatorRule() {
        QFETCH(char, here);
        QFETCH(QStringList, y);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QString, firstYs);
        QFETCH(QString, note);
        QFETCH(bool, modified);
        QTemporaryDir dir;
        Study s = test::workedExample();
        for (int row = 1; row <= 6; ++row)
            s.stgdatos.setCell(2, row, y[row - 1].toStdString());
        const QString path = dir.filePath("estudio.w02");
        writeStudy(path.toStdString(), s, {});

        TestWindow v;
        setDecimalSeparator(here);
        v.dialogs->answer = yes;
        QVERIFY(v.form->openStudy(path));
        QCOMPARE(v.dialogs->questions, question.isEmpty() ? QStringList() : QStringList{question});
        const StringGrid& g = v.form->Finforma()->study().stgdatos;
        QCOMPARE(QString::fromStdString(g.cell(2, 1) + " " + g.cell(2, 2)), firstYs);
        QCOMPARE(v.form->findChild<QLabel*>("StatusLine")->text(), note);
        QCOMPARE(statusPanelText(v), modified ? QStringLiteral("Modificado") : QString());
        v.form->mnuinferenciaClick();
        const bool leftMixed = !question.isEmpty() && !yes;
        QCOMPARE(v.dialogs->errors.isEmpty(), !leftMixed);
        setDecimalSeparator('.');
    }

    // A bundled example on a comma computer opens and computes with no question, and closes
    // without one; saved, it is written with commas.
    void exampleOnACommaComputer() {
        QTemporaryDir dir;
        TestWindow v;
        setDecimalSeparator(',');
        QVERIFY(v.form->openStudy(QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02")));
        v.form->mnuinferenciaClick();
        v.form->mnuanovaClick();
        QVERIFY(v.dialogs->questions.isEmpty());
        QVERIFY(v.dialogs->errors.isEmpty());
        v.dialogs->saveFileDialog = dir.filePath("copia.w02");
        QVERIFY(v.form->FileSaveAs());
        QCOMPARE(readStudy(dir.filePath("copia.w02").toStdString()).stgdatos.cell(2, 2),
                 std::string("1,2"));
        v.form->ClientArea()->closeAllSubWindows();
        QVERIFY(v.dialogs->questions.isEmpty());
        setDecimalSeparator('.');
    }

    // Tables as spreadsheet programs export them open as new studies, ready to compute.
    void importTable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("units");
        QTest::newRow("comma separated") << kCommaCsv << QString() << "X (mg)";
        QTest::newRow("semicolons, decimal comma")
            << kSemicolonCsv << QStringLiteral("Números convertidos de «,» a «.»") << "X";
    }
    void importTable() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, note);
        QFETCH(QString, units);
        QTemporaryDir dir;
        TestWindow v;
        v.dialogs->answer = true;
        v.dialogs->tableFileDialog = fileWith(dir, "tabla.csv", bytes);
        v.form->FileImportTable();
        QVERIFY(v.form->Finforma());
        QCOMPARE(v.dialogs->dialogs[0].title, QStringLiteral("Importar tabla"));
        QVERIFY(v.dialogs->questions.isEmpty());
        QCOMPARE(v.form->findChild<QLabel*>("StatusLine")->text(), note);
        QCOMPARE(QString::fromStdString(v.form->Finforma()->study().eadicionada), units);
        QCOMPARE(observations(v), kWorkedExample);
        QCOMPARE(v.form->Finforma()->study().eniveles, std::string("3"));
        QCOMPARE(v.form->Finforma()->study().emetodo, std::string()); // to be typed
        QCOMPARE(v.form->Finforma()->windowTitle(), QStringLiteral("Nuevo"));
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado")); // never saved
        QVERIFY(!v.enabled("FileImportItem"));
        QVERIFY(!v.enabled("FilePasteStudyItem"));
        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo());
        QVERIFY(v.dialogs->errors.isEmpty());

        v.dialogs->saveFileDialog = dir.filePath("estudio.w02");
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.last().initialName, QStringLiteral("Nuevo"));
        QCOMPARE(readStudy(dir.filePath("estudio.w02").toStdString()).stgdatos.cell(2, 6),
                 std::string("2.9"));
    }

    // A table that cannot be a study: the reader's message, and no window.
    void refusedTable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two levels") << QByteArray("X,Y\r\n1,1.0\r\n1,1.2\r\n2,2.1\r\n");
        QTest::newRow("one column") << QByteArray("X\r\n1\r\n2\r\n3\r\n");
        QTest::newRow("empty") << QByteArray();
    }
    void refusedTable() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        TestWindow v;
        v.dialogs->tableFileDialog = fileWith(dir, "mala.csv", bytes);
        v.form->FileImportTable();
        QCOMPARE(v.dialogs->errors.size(), 1);
        QVERIFY(!v.form->Finforma());
        QVERIFY(v.form->ClientArea()->subWindowList().isEmpty());
        QVERIFY(v.enabled("FileImportItem"));
    }

    // The separator rule for a pasted table names its rows.
    void pasteAMixedTable() {
        TestWindow v;
        v.dialogs->answer = true;
        QGuiApplication::clipboard()->setText(
            QStringLiteral("X\tY\n1\t1,0\n1\t1.2\n2\t2.1\n2\t1.9\n3\t3.2\n3\t2.9\n"));
        v.form->FilePasteStudy();
        QCOMPARE(
            v.dialogs->questions,
            QStringList{QStringLiteral(
                "Separador decimal|Los números de la tabla copiada mezclan los dos separadores "
                "decimales.\nUsan «,»: la fila 2.\nUsan «.»: las filas 3 a 7.\n\n"
                "¿Convertirlos todos a «.»?")});
        QCOMPARE(observations(v), kWorkedExample);
        QCOMPARE(QString::fromStdString(v.form->Finforma()->study().emedida), QStringLiteral("Y"));
        v.dialogs->choice = Dialogs::Answer::No;
        QVERIFY(v.form->Finforma()->close());
    }

    void pasteAStudy() {
        TestWindow v;
        QGuiApplication::clipboard()->setText(
            QString::fromLatin1(kCommaCsv).replace(QLatin1Char(','), QLatin1Char('\t')));
        v.form->FilePasteStudy();
        QVERIFY(v.form->Finforma());
        QCOMPARE(observations(v), kWorkedExample);
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QVERIFY(v.enabled("mnuinferencia"));

        v.dialogs->choice = Dialogs::Answer::No;
        QVERIFY(v.form->Finforma()->close());
        QTRY_VERIFY(!v.form->Finforma());
        QGuiApplication::clipboard()->setText(QStringLiteral("no es una tabla"));
        v.form->FilePasteStudy();
        QCOMPARE(v.dialogs->errors.size(), 1);
        QVERIFY(!v.form->Finforma());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
