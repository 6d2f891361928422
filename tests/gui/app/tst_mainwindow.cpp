#include "core/app/RecoveryStore.h"
#include "gui/app/HelpViewer.h"
#include "gui/app/RecoveryKeeper.h"
#include "gui/app/Startup.h"
#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"
#include "gui/charts/TOptionsDlg.h"
#include "gui/charts/TPlotForm.h"
#include "gui/charts/TPlotForm1.h"
#include "gui/common/Glyphs.h"
#include "gui/common/LabName.h"
#include "gui/common/helpcons.h"
#include "gui/results/Tfrmpredice.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;

Q_DECLARE_METATYPE(Dialogs::RecoveryChoice)

namespace {

QString statusLine(const TestWindow& v) {
    return v.form->findChild<QLabel*>("StatusLine")->text();
}

HelpViewer* viewer(const TestWindow& v) {
    return v.form->findChild<HelpViewer*>();
}

TFshow* splash() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<TFshow*>(w))
            return s;
    return nullptr;
}

bool splashShown() {
    return splash() && splash()->isVisible();
}

// A start-up whose message boxes the test answers, from the first.
struct FakeStartup {
    test::FakeDialogs* dialogs = new test::FakeDialogs;
    Startup startup;
    explicit FakeStartup(const QStringList& files = {})
        : startup(files, std::unique_ptr<Dialogs>(dialogs)) {}
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<HelpViewer*>(w))
                w->close();
        QVERIFY(test::noStrayWindows());
    }

    // The windows kept from start-up come on their own once the main window has been painted,
    // hidden, children of the main window.
    void startupWindowsFollowTheFirstPaint() {
        TestWindow v;
        QTRY_VERIFY(v.form->OptionsDlg() && v.form->frmpredice() && v.form->PlotForm() &&
                    v.form->PlotForm1());
        for (QWidget* w :
             std::initializer_list<QWidget*>{v.form->OptionsDlg(), v.form->frmpredice(),
                                             v.form->PlotForm(), v.form->PlotForm1()}) {
            QCOMPARE(w->parentWidget(), v.form.get());
            QVERIFY(!w->isVisible());
        }
        v.form->createStartupWindows(); // once only
        QCOMPARE(v.form->findChildren<TOptionsDlg*>().size(), 1);
    }

    void toolBar() {
        TestWindow v;
        QStringList buttons;
        for (QToolButton* b : v.form->findChildren<QToolButton*>())
            if (b->objectName().startsWith(QLatin1String("spd")))
                buttons << b->objectName();
        for (const char* name : {"spdnuevo", "spdabrir", "spdguardar", "spdprint", "spdprint1",
                                 "spdclose", "spdexit", "spdmosaico", "spdcascada", "spdcontenido"})
            QVERIFY2(buttons.contains(QLatin1String(name)), name);
        QCOMPARE(v.action("spdnuevo")->toolTip(), QStringLiteral("Nuevo"));
        QCOMPARE(v.action("spdnuevo")->statusTip(), QStringLiteral("Crea un nuevo archivo"));
        QCOMPARE(v.action("spdprint")->toolTip(), QStringLiteral("Imprimir en Lasser"));
        // A switched-off button shows its own disabled image.
        const QIcon icon = v.action("spdguardar")->icon();
        QVERIFY(icon.pixmap(20, QIcon::Disabled).toImage() != icon.pixmap(20).toImage());
        // Its larger image is drawn at that size, not the smaller one scaled up.
        QCOMPARE(icon.pixmap(40).toImage(),
                 glyphIcon(QStringLiteral("guardar")).pixmap(40).toImage());
        QVERIFY(icon.pixmap(40).toImage() != icon.pixmap(20).toImage().scaled(40, 40));
    }

    void hintsInTheStatusLine() {
        TestWindow v;
        QMenuBar* bar = v.form->menuBar();
        emit bar->hovered(v.form->findChild<QMenu*>("mnucalculos")->menuAction());
        QCOMPARE(statusLine(v), QStringLiteral("Cálculos de Precisión del sistema"));

        auto* file = v.form->findChild<QMenu*>("FileMenu");
        emit file->hovered(v.action("FileSaveAsItem"));
        QCOMPARE(statusLine(v),
                 QStringLiteral("Guarda el archivo con un nuevo nombre y/o trayectoria"));
        emit file->hovered(v.action("FileExitItem")); // a hint without a bar: whole
        QCOMPARE(statusLine(v), QStringLiteral("Salir del módulo KTRZ"));
        emit v.form->findChild<QMenu*>("mnucalculos")->hovered(v.action("mnuresid"));
        QCOMPARE(statusLine(v), QStringLiteral("presenta el Análisis de Residuales"));

        QStatusTipEvent button(v.action("spdexit")->statusTip());
        QApplication::sendEvent(v.form.get(), &button);
        QCOMPARE(statusLine(v),
                 QStringLiteral("Salir del módulo Linealidad y Precisión del Sistema de Medición"));
        QCOMPARE(v.form->findChild<QLabel*>("Paneld")->text(), QStringLiteral("F1 < Ayuda >"));
    }

    // "Preferencias..." shows the lab's name the charts print and keeps what the analyst
    // accepts in the user's settings; "Cancelar" keeps what was there; an empty name is the
    // name the program always printed.
    void preferences() {
        TestWindow v;
        QVERIFY(v.enabled("FilePreferencesItem"));
        const QString original = QStringLiteral("Orvella, S.A.P.I. de C.V.");
        QCOMPARE(userLabName(), original);
        QStringList shown;
        auto answer = [&](const QString& name, int result) {
            v.dialogs->onShowModal = [&shown, name, result](QDialog& d) {
                auto* box = d.findChild<QLineEdit*>(QStringLiteral("labName"));
                shown << box->text();
                box->setText(name);
                return result;
            };
            v.action("FilePreferencesItem")->trigger();
        };
        answer(QStringLiteral("Laboratorio de Control Acme"), QDialog::Accepted);
        QCOMPARE(v.dialogs->modals, QStringList{"PreferencesDialog"});
        QCOMPARE(userLabName(), QStringLiteral("Laboratorio de Control Acme"));
        answer(QStringLiteral("Otro"), QDialog::Rejected);
        QCOMPARE(userLabName(), QStringLiteral("Laboratorio de Control Acme"));
        answer(QString(), QDialog::Accepted);
        QCOMPARE(userLabName(), original);
        QCOMPARE(shown, (QStringList{original, "Laboratorio de Control Acme",
                                     "Laboratorio de Control Acme"}));
    }

    void shortcutsAndAccelerators() {
        TestWindow v;
        QCOMPARE(v.action("FileNewItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(v.action("FileOpenItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
        QCOMPARE(v.action("FileSaveItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        QCOMPARE(v.action("HelpSearchItem")->shortcut(), QKeySequence(QStringLiteral("Ctrl+F1")));
        QCOMPARE(v.action("HelpHowToUseItem")->text(), QStringLiteral("Como &usar  la ayuda"));
        QTest::keyClick(v.form.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(v.form->Finforma());
    }

    void helpByContext() {
        TestWindow v;
        v.form->showHelp(11);
        QVERIFY(viewer(v));
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("inferencia.html"));
        v.form->HelpContents();
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("contenido.html"));
        v.form->showHelp(9999); // no page: the contents
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("contenido.html"));
        v.form->HelpSearch();
        auto* words = viewer(v)->findChild<QListWidget*>("palabras");
        QVERIFY(words->count() > 20); // the whole index
    }

    void f1OnAMenuItem() {
        TestWindow v;
        auto* calculations = v.form->findChild<QMenu*>("mnucalculos");
        v.form->apply(StudyEvent::DataGridEntered);
        calculations->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(calculations));
        calculations->setActiveAction(v.action("mnuanova"));
        QTest::keyClick(calculations, Qt::Key_F1);
        QVERIFY(viewer(v));
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("anova.html"));
        QVERIFY(!calculations->isVisible());
    }

    void f1InAResultWindow() {
        TestWindow v;
        v.form->FileNew();
        v.form->Finforma()->loadStudy(test::workedExample());
        v.form->mnuinformeClick();
        QTest::keyClick(v.form.get(), Qt::Key_F1);
        QVERIFY(viewer(v));
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("informe.html"));
    }

    void f1InTheAboutBox() {
        TestWindow v;
        v.form->HelpAbout();
        auto* about = v.form->findChild<QDialog*>("AboutBox");
        QVERIFY(about);
        QApplication::setActiveWindow(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_F1);
        QVERIFY(viewer(v));
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("acerca.html"));
        about->close();
    }

    // The two ways to a study from a table, beside "&Abrir..." and switched with it.
    void tableCommands() {
        TestWindow v;
        QCOMPARE(v.action("FileImportItem")->text(), QStringLiteral("Importar &tabla..."));
        QCOMPARE(v.action("FilePasteStudyItem")->text(), QStringLiteral("&Pegar estudio"));
        QVERIFY(v.enabled("FileImportItem"));
        QVERIFY(v.enabled("FilePasteStudyItem"));
        v.form->FileNew();
        QVERIFY(!v.enabled("FileImportItem"));
        QVERIFY(!v.enabled("FilePasteStudyItem"));
        v.form->showHelp(help::kImportTable);
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("tabla.html"));
        v.form->showHelp(help::kPasteStudy);
        QCOMPARE(viewer(v)->currentPage(), QStringLiteral("pegarestudio.html"));
    }

    void splashClosesAfterActivation() {
        TFshow fshow;
        fshow.show();
        QVERIFY(!fshow.Timer1()->isActive()); // off until the main window is activated
        fshow.startTimer();
        QCOMPARE(fshow.Timer1()->interval(), 3000);
        QVERIFY(fshow.Timer1()->isSingleShot());
        QVERIFY(fshow.Timer1()->isActive());
        QMetaObject::invokeMethod(fshow.Timer1(), "timeout");
        QVERIFY(!fshow.isVisible());
    }

    // The splash window comes once the main window has painted itself, above it, and its
    // timer runs when the main window is already active.
    void startupShowsTheSplashAfterTheMainWindow() {
        FakeStartup start;
        QVERIFY(!splash());
        QTRY_VERIFY(splashShown());
        QVERIFY(splash()->windowFlags() & Qt::WindowStaysOnTopHint);
        QApplication::setActiveWindow(&start.startup.mainForm());
        QTRY_VERIFY(splash()->Timer1()->isActive());
        QVERIFY(start.dialogs->questions.isEmpty());
    }

    // A study left unsaved by a killed run is offered once the main window has painted itself,
    // with no splash window over the question, nor after it: the program is in use by then.
    void startupOffersALeftStudyWithoutTheSplash_data() {
        QTest::addColumn<Dialogs::RecoveryChoice>("choice");
        QTest::newRow("recovered") << Dialogs::RecoveryChoice::Recover;
        QTest::newRow("kept for later") << Dialogs::RecoveryChoice::Later;
    }
    void startupOffersALeftStudyWithoutTheSplash() {
        QFETCH(Dialogs::RecoveryChoice, choice);
        const QString folder = defaultRecoveryFolder();
        RecoveryStore(QFile::encodeName(folder).toStdString())
            .write(recoveryCopyText(test::workedExample(), {"", "", ""}));
        {
            FakeStartup start;
            start.dialogs->recoveryChoice = choice;
            bool splashOverTheQuestion = true;
            start.dialogs->onShow = [&] {
                splashOverTheQuestion = splashShown();
                QVERIFY(start.startup.mainForm().isVisible());
            };
            QTRY_COMPARE(start.dialogs->questions.size(), 1);
            QVERIFY(!splashOverTheQuestion);
            QCoreApplication::processEvents();
            QVERIFY(!splash());
            QCOMPARE(bool(start.startup.mainForm().Finforma()),
                     choice == Dialogs::RecoveryChoice::Recover);
            start.dialogs->answer = false;
            start.startup.mainForm().close();
        }
        QCOMPARE(QDir(folder).entryList({"recovery-*.txt"}).size(),
                 choice == Dialogs::RecoveryChoice::Later ? 1 : 0);
        QDir(folder).removeRecursively();
    }

    // A study handed over on the command line (a double-click in a file manager) opens once
    // the main window has painted itself, named by its whole path; one that cannot be read is
    // reported as "&Abrir..." reports it, and leaves no study window.
    void startupOpensTheStudyItIsGiven_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("error");
        const QDir examples(LINEALIDAD_EJEMPLOS);
        QTest::newRow("ruta completa")
            << examples.filePath("hplc-5x5.w02") << examples.filePath("hplc-5x5.w02") << "";
        QTest::newRow("ruta relativa")
            << QDir::current().relativeFilePath(examples.filePath("una-replica.w02"))
            << examples.filePath("una-replica.w02") << "";
        QTest::newRow("no existe") << examples.filePath("no-existe.w02") << ""
                                   << "File not found.";
    }

    void startupOpensTheStudyItIsGiven() {
        QFETCH(QString, argument);
        QFETCH(QString, title);
        QFETCH(QString, error);
        FakeStartup start({argument});
        const test::FakeDialogs& dialogs = *start.dialogs;
        Startup& startup = start.startup;
        bool splashOverTheError = true;
        start.dialogs->onShow = [&] { splashOverTheError = splashShown(); };
        QTRY_VERIFY(startup.mainForm().Finforma() || !dialogs.errors.isEmpty());
        if (error.isEmpty()) {
            QCOMPARE(startup.mainForm().Finforma()->windowTitle(), title);
            QVERIFY(dialogs.errors.isEmpty());
        } else {
            QVERIFY(!startup.mainForm().Finforma());
            QCOMPARE(dialogs.errors, QStringList{error});
            QVERIFY(!splashOverTheError);
            QVERIFY(!splash()); // nor after it
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
