#include "core/study/StudyFile.h"
#include "gui/results/TFinfo.h"
#include "gui/widgets/StringGridView.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
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
        form->Finforma->loadStudy(test::workedExample());
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
    const StringGrid& g = v.form->Finforma->study().stgdatos;
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
        QVERIFY(!v.form->Finforma);
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

    // Cancelar (which Escape presses) on the save question keeps the window, whether it was
    // being closed alone or by "&Salir".
    void cancelKeepsTheWindow() {
        WithExample v;
        v.dialogs->choice = Dialogs::Answer::Cancel;
        v.form->mnucloseClick();
        QVERIFY(v.form->Finforma);
        QVERIFY(v.form->Finforma->isVisible());
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QVERIFY(!v.enabled("FileNewItem"));
        QVERIFY(v.enabled("mnuclose")); // "C&errar" did not close it

        v.form->FileExit();
        QVERIFY(v.form->isVisible()); // the program does not end
        QVERIFY(v.form->Finforma);
        QCOMPARE(v.dialogs->questions.size(), 2);

        v.dialogs->choice = Dialogs::Answer::No; // the default button: closes without saving
        v.form->FileExit();
        QVERIFY(!v.form->isVisible());
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

    // A dropped file opens only while "&Abrir..." is on: not beside an open study, nor while a
    // result window outlives its study.
    void droppingAFileOpensIt() {
        TestWindow v;
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(QStringLiteral(LINEALIDAD_EJEMPLOS "/siete-niveles.txt"))});
        v.form->openDropped(data);
        QVERIFY(v.form->Finforma);
        QCOMPARE(v.form->Finforma->study().eniveles, std::string("7"));
        v.form->openDropped(data); // a study is open already
        QCOMPARE(v.form->ClientArea()->subWindowList().size(), 1);

        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo);
        QVERIFY(v.form->Finforma->close());
        QTRY_VERIFY(!v.form->Finforma);
        QVERIFY(!v.enabled("FileOpenItem"));
        v.form->openDropped(data);
        QVERIFY(!v.form->Finforma);
        QVERIFY(v.dialogs->messages.isEmpty());
        QVERIFY(v.dialogs->errors.isEmpty());
    }

    void droppingATableImportsIt() {
        QTemporaryDir dir;
        TestWindow v;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(fileWith(dir, "tabla.csv", kCommaCsv))});
        v.form->openDropped(data);
        QVERIFY(v.form->Finforma);
        QCOMPARE(observations(v), kWorkedExample);
    }

    // Files from a computer with the other decimal separator: the analyst is asked, and the
    // numbers change only on Sí.
    void separatorQuestion_data() {
        QTest::addColumn<char>("here");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("firstY");
        const QString toComma = QStringLiteral(
            "Separador decimal|Los números de este archivo usan «.» como separador decimal. "
            "¿Convertirlos a «,»?");
        QTest::newRow("points here, Sí") << ',' << true << toComma << "1,0";
        QTest::newRow("points here, No") << ',' << false << toComma << "1.0";
    }
    void separatorQuestion() {
        QFETCH(char, here);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QString, firstY);
        TestWindow v;
        setDecimalSeparator(here);
        v.dialogs->answer = yes;
        QVERIFY(v.form->openStudy(QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02")));
        QCOMPARE(v.dialogs->questions, QStringList{question});
        QCOMPARE(QString::fromStdString(v.form->Finforma->study().stgdatos.cell(2, 1)), firstY);
        QCOMPARE(statusPanelText(v), yes ? QStringLiteral("Modificado") : QString());
        v.form->mnuinferenciaClick();
        QCOMPARE(v.dialogs->errors.isEmpty(), yes);
    }

    // The other way round: a file typed with commas, on a computer that writes points.
    void commasOnAPointComputer() {
        QTemporaryDir dir;
        Study s = test::workedExample();
        for (int row = 1; row <= 6; ++row) {
            std::string y = s.stgdatos.cell(2, row);
            y[1] = ',';
            s.stgdatos.setCell(2, row, y);
        }
        const QString path = dir.filePath("comas.w02");
        writeStudy(path.toStdString(), s, {});
        TestWindow v;
        v.dialogs->answer = true;
        QVERIFY(v.form->openStudy(path));
        QCOMPARE(v.dialogs->questions,
                 QStringList{QStringLiteral("Separador decimal|Los números de este archivo usan "
                                            "«,» como separador decimal. ¿Convertirlos a «.»?")});
        QCOMPARE(observations(v).mid(1, 2), (QStringList{"1:1.2", "2:2.1"}));
    }

    // A file that mixes both separators is not guessed at: no question, nothing rewritten.
    void bothSeparatorsAreNotGuessed() {
        QTemporaryDir dir;
        Study s = test::workedExample();
        s.stgdatos.setCell(2, 2, "1,2");
        const QString path = dir.filePath("mezcla.w02");
        writeStudy(path.toStdString(), s, {});
        TestWindow v;
        QVERIFY(v.form->openStudy(path));
        QVERIFY(v.dialogs->questions.isEmpty());
        QCOMPARE(observations(v)[1], QStringLiteral("1:1,2"));
    }

    // Tables as spreadsheet programs export them open as new studies, ready to compute.
    void importTable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("questions");
        QTest::newRow("comma separated") << kCommaCsv << 0;
        QTest::newRow("semicolons, decimal comma") << kSemicolonCsv << 1;
    }
    void importTable() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, questions);
        QTemporaryDir dir;
        TestWindow v;
        v.dialogs->answer = true;
        v.dialogs->tableFileDialog = fileWith(dir, "tabla.csv", bytes);
        v.form->FileImportTable();
        QVERIFY(v.form->Finforma);
        QCOMPARE(v.dialogs->dialogs[0].title, QStringLiteral("Importar tabla"));
        QCOMPARE(v.dialogs->questions.size(), questions);
        QCOMPARE(observations(v), kWorkedExample);
        QCOMPARE(v.form->Finforma->study().eniveles, std::string("3"));
        QCOMPARE(v.form->Finforma->study().emetodo, std::string()); // to be typed
        QCOMPARE(v.form->Finforma->windowTitle(), QStringLiteral("Nuevo"));
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado")); // never saved
        QVERIFY(!v.enabled("FileImportItem"));
        QVERIFY(!v.enabled("FilePasteStudyItem"));
        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo);
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
        QVERIFY(!v.form->Finforma);
        QVERIFY(v.form->ClientArea()->subWindowList().isEmpty());
        QVERIFY(v.enabled("FileImportItem"));
    }

    void pasteAStudy() {
        TestWindow v;
        QGuiApplication::clipboard()->setText(
            QString::fromLatin1(kCommaCsv).replace(QLatin1Char(','), QLatin1Char('\t')));
        v.form->FilePasteStudy();
        QVERIFY(v.form->Finforma);
        QCOMPARE(observations(v), kWorkedExample);
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QVERIFY(v.enabled("mnuinferencia"));

        v.dialogs->choice = Dialogs::Answer::No;
        QVERIFY(v.form->Finforma->close());
        QTRY_VERIFY(!v.form->Finforma);
        QGuiApplication::clipboard()->setText(QStringLiteral("no es una tabla"));
        v.form->FilePasteStudy();
        QCOMPARE(v.dialogs->errors.size(), 1);
        QVERIFY(!v.form->Finforma);
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
