#include "core/app/RecoveryStore.h"
#include "core/platform/PosixFile.h"
#include "core/study/FileAccess.h"
#include "core/study/StudyFile.h"
#include "gui/app/RecoveryKeeper.h"
#include "gui/charts/TOptionsDlg.h"
#include "support/RowsToString.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;

Q_DECLARE_METATYPE(Dialogs::RecoveryChoice)

namespace {

QString statusPanelText(const TestWindow& v) {
    return v.form->findChild<QLabel*>("estado")->text();
}

std::optional<RecoveryCopy> copyIn(const QString& path) {
    if (!QFile::exists(path))
        return std::nullopt;
    return readRecoveryCopy(readFileBytes(path.toStdString(), kMaximumFileBytes));
}

QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({"recovery-*.txt"}, QDir::Files);
}

// A main window keeping its copies in the test's state folder, with the new study typed into
// through the keyboard.
struct Typing : TestWindow {
    explicit Typing(const QString& method = QStringLiteral("Valoracion")) {
        form->startRecovery(defaultRecoveryFolder());
        QVERIFY(!form->offerRecovery()); // nothing was left
        form->FileNew();
        focus();
        QTest::keyClicks(box("emetodo"), method);
    }
    QString copy() const { return form->recovery().ownCopy(); }
};

// The copy a program that ended left behind.
void leaveCopy(const Study& study, const ChartTitles& titles, const std::string& file = {}) {
    RecoveryStore(defaultRecoveryFolder().toStdString())
        .write(recoveryCopyText(study, titles, file));
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
    QTemporaryDir state;

    QString folder() const { return state.filePath("linealidad"); }

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", state.path().toLocal8Bit()); }
    void cleanup() {
        QVERIFY(test::noStrayWindows());
        QDir(folder()).removeRecursively();
    }

    void copiesGoToTheStateFolder() { QCOMPARE(defaultRecoveryFolder(), folder()); }

    // The copy follows the typing within a few seconds, without any command.
    void typingWritesTheCopy() {
        Typing v;
        QVERIFY(copiesIn(folder()).isEmpty()); // not at every key
        QTRY_VERIFY_WITH_TIMEOUT(!copiesIn(folder()).isEmpty(), 3 * RecoveryKeeper::kInterval);
        QCOMPARE(copyIn(v.copy())->study.emetodo, std::string("Valoracion"));

        QTest::keyClicks(v.box("eanalista"), "Ana");
        v.form->recovery().flush();
        const auto copy = copyIn(v.copy());
        QCOMPARE(copy->study.eanalista, std::string("Ana"));
        QCOMPARE(copy->study.emetodo, std::string("Valoracion"));
        v.dialogs->answer = false;
        v.form->close();
    }

    // The titles typed in the chart options are saved with the study: the copy holds them.
    void copyHoldsTheChartTitles() {
        Typing v;
        v.form->createStartupWindows();
        PlotOptions options = v.form->OptionsDlg()->options();
        options.TitleEdit = "Curva";
        options.YLblEdit = "Área";
        v.form->OptionsDlg()->display(options);
        v.form->OptionsDlg()->done(QDialog::Accepted);
        v.form->recovery().flush();
        QCOMPARE(copyIn(v.copy())->titles, (ChartTitles{"Curva", "", "Área"}));
        v.form->close();
    }

    // Whatever ends the unsaved typing removes the copy; a close that keeps the window keeps
    // it.
    void endOfTheTypingRemovesTheCopy_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("removed");
        QTest::newRow("saved") << "save" << true;
        QTest::newRow("closed, not saved") << "close-no" << true;
        QTest::newRow("closed and saved") << "close-yes" << true;
        QTest::newRow("program ended, not saved") << "exit-no" << true;
        QTest::newRow("close kept: save cancelled") << "close-cancelled" << false;
    }
    void endOfTheTypingRemovesTheCopy() {
        QFETCH(QString, how);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        Typing v;
        v.form->Finforma()->loadStudy(test::workedExample()); // a study that can be saved
        v.form->markModified();
        v.form->recovery().flush();
        const QString copy = v.copy();
        QVERIFY(QFile::exists(copy));

        v.dialogs->saveFileDialog = dir.filePath("e.w02");
        v.dialogs->answer = how == "close-yes" || how == "close-cancelled";
        if (how == "close-cancelled")
            v.dialogs->saveFileDialog.clear();
        if (how == "save")
            QVERIFY(v.form->FileSave());
        else if (how == "exit-no")
            v.form->FileExit();
        else
            v.form->mnucloseClick();
        QCoreApplication::processEvents();
        QCOMPARE(!QFile::exists(copy), removed);
        QVERIFY(copiesIn(folder()).size() == (removed ? 0 : 1));
        if (v.form->Finforma()) {
            v.dialogs->answer = false;
            v.form->close();
        }
    }

    // A copy left by a program that ended is offered at the next start. "Sí" opens it as a new
    // study with unsaved typing; saving it asks for a name.
    void leftStudyOpensAsNew() {
        QTemporaryDir dir;
        Study typed = test::workedExample();
        typed.stgdatos.setCell(1, 40, "oculta"); // beyond the rows shown
        leaveCopy(typed, {"Curva", "Eje X", ""});

        TestWindow v;
        v.dialogs->answer = true;
        v.form->startRecovery(folder());
        QVERIFY(v.form->offerRecovery());
        QVERIFY(v.form->Finforma());
        QCOMPARE(v.dialogs->questions.size(), 1);
        const QString question = v.dialogs->questions[0];
        QVERIFY2(question.startsWith("Estudio sin guardar|Se encontró un estudio que no se "
                                     "guardó: el programa terminó sin cerrarlo. Su último cambio "
                                     "es del "),
                 qPrintable(question));
        QVERIFY2(question.endsWith("\nMétodo: Valoración por UV\n\n«Recuperar» lo abre con sus "
                                   "cambios; «Descartar» lo borra; «Más tarde» lo conserva para "
                                   "la próxima vez que se abra el programa."),
                 qPrintable(question));

        QCOMPARE(v.form->Finforma()->windowTitle(), QStringLiteral("Nuevo"));
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QCOMPARE(v.box("emetodo")->text(), QStringLiteral("Valoración por UV"));
        QCOMPARE(v.form->Finforma()->study().stgdatos.cell(1, 40), std::string("oculta"));
        QVERIFY(v.enabled("mnuinferencia"));
        QCOMPARE(v.form->OptionsDlg()->title(), QStringLiteral("Curva"));
        QCOMPARE(v.form->OptionsDlg()->xAxis(), QStringLiteral("Eje X"));

        // Until it is saved, the copy stays: another crash loses nothing.
        v.form->recovery().flush();
        QCOMPARE(copiesIn(folder()).size(), 1);
        v.dialogs->saveFileDialog = dir.filePath("recuperado.w02");
        QVERIFY(v.form->FileSave());
        QCOMPARE(v.dialogs->dialogs.value(0).title, QStringLiteral("Guardar como"));
        QCOMPARE(v.dialogs->dialogs.value(0).initialName, QStringLiteral("Nuevo"));
        const std::string saved =
            readFileBytes(dir.filePath("recuperado.w02").toStdString(), kMaximumFileBytes);
        QVERIFY(saved.starts_with("Valoraci\xF3n por UV\r\n"));
        QVERIFY(saved.ends_with("\r\nCurva\r\nEje X\r\n\r\n"));
        QVERIFY(copiesIn(folder()).isEmpty());
        v.form->close();
    }

    // Only "Descartar" deletes the copy; "Más tarde" (Escape, the close box) keeps it for the
    // next start, while this program's own typing goes to a copy of its own.
    void answersToTheOffer_data() {
        QTest::addColumn<Dialogs::RecoveryChoice>("choice");
        QTest::addColumn<bool>("offeredAgain");
        QTest::newRow("Descartar deletes it") << Dialogs::RecoveryChoice::Discard << false;
        QTest::newRow("Más tarde keeps it") << Dialogs::RecoveryChoice::Later << true;
    }
    void answersToTheOffer() {
        QFETCH(Dialogs::RecoveryChoice, choice);
        QFETCH(bool, offeredAgain);
        leaveCopy(test::workedExample(), {"", "", ""});
        {
            TestWindow v;
            v.dialogs->recoveryChoice = choice;
            v.form->startRecovery(folder());
            QVERIFY(v.form->offerRecovery());
            QVERIFY(!v.form->Finforma());
            v.form->FileNew();
            v.focus();
            QTest::keyClicks(v.box("emetodo"), "Propio");
            v.form->recovery().flush();
            QCOMPARE(copiesIn(folder()).size(), offeredAgain ? 2 : 1);
            v.dialogs->answer = false; // "Guardar archivo?" No: its own copy goes
            v.form->close();
        }
        QCOMPARE(copiesIn(folder()).size(), offeredAgain ? 1 : 0);
        TestWindow again;
        again.form->startRecovery(folder());
        QCOMPARE(again.form->offerRecovery(), offeredAgain);
        QCOMPARE(again.dialogs->questions.size(), offeredAgain ? 1 : 0);
    }

    // A study that had a file comes back under that file, marked "Modificado"; "Guardar"
    // writes it there without a dialog.
    void leftStudyComesBackUnderItsFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath("valoración.w02");
        Study typed = test::workedExample();
        typed.eanalista = "Cambiado";
        leaveCopy(typed, {"", "", ""}, QFile::encodeName(file).toStdString());

        TestWindow v;
        v.dialogs->answer = true;
        v.form->startRecovery(folder());
        QVERIFY(v.form->offerRecovery());
        QVERIFY(v.dialogs->questions.value(0).contains("\nArchivo: " + file + "\n"));
        QCOMPARE(v.form->Finforma()->windowTitle(), file);
        QCOMPARE(statusPanelText(v), QStringLiteral("Modificado"));
        QVERIFY(v.form->FileSave());
        QVERIFY(v.dialogs->dialogs.isEmpty());
        QCOMPARE(readStudy(QFile::encodeName(file).toStdString()).eanalista,
                 std::string("Cambiado"));
        QVERIFY(copiesIn(folder()).isEmpty());
        v.form->close();
    }

    // A left file that cannot be read as a copy is said once, set aside, and the start goes on.
    void unreadableCopyIsSaidOnce() {
        QVERIFY(QDir().mkpath(folder()));
        QFile damaged(folder() + "/recovery-4.txt");
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("linealidad recovery copy 2\n\nM\n");
        damaged.close();
        for (int start = 0; start < 2; ++start) {
            TestWindow v;
            v.form->startRecovery(folder());
            QCOMPARE(v.form->offerRecovery(), start == 0);
            QCOMPARE(v.dialogs->messages.size(), start == 0 ? 1 : 0);
            if (start == 0)
                QCOMPARE(v.dialogs->messages[0],
                         "La copia de recuperación \"" + folder() +
                             "/recovery-4.txt\" no se puede leer: está dañada o no es una copia "
                             "de este programa. Se apartó como \"" +
                             folder() + "/unreadable-4-1.txt\" y no se volverá a ofrecer.");
            QVERIFY(v.dialogs->questions.isEmpty());
        }
        QVERIFY(QFile::exists(folder() + "/unreadable-4-1.txt"));
    }

    // At start, temporary files that saves of killed programs left in the folder go.
    void startRemovesLeftTemporaries() {
        QVERIFY(QDir().mkpath(folder()));
        const QString left = folder() + "/.linealidad-" +
                             QString::fromStdString(platform::hostName()) + "-999999999-0.tmp";
        QFile file(left);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        TestWindow v;
        v.form->startRecovery(folder());
        QVERIFY(!QFile::exists(left));
    }

    // The program is killed while a study has unsaved typing: the next start offers it.
    void recoveryAfterAKill() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_STATE_HOME", state.path());
        program.setProcessEnvironment(environment);
        program.start(LINEALIDAD_TYPING_APP, {"--test-type", "Tecleado antes de morir"});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!copiesIn(folder()).isEmpty(), 20000);
        program.kill(); // SIGKILL: nothing runs after it
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);

        TestWindow v;
        v.dialogs->answer = true;
        v.form->startRecovery(folder());
        QVERIFY(v.form->offerRecovery());
        QVERIFY(v.form->Finforma());
        QVERIFY(v.dialogs->questions.value(0).contains("\nMétodo: Tecleado antes de morir\n"));
        QCOMPARE(v.box("emetodo")->text(), QStringLiteral("Tecleado antes de morir"));
        // Besides the copy and its lock, nothing was left in the folder.
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        v.dialogs->answer = false;
        v.form->close();
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
