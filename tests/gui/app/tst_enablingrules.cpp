#include "core/app/EnablingRules.h"
#include "gui/results/TFinfo.h"
#include "support/TestWindow.h"

#include <QMdiArea>
#include <QMenu>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;

namespace {

// The worked example opened from its file, with its inference window open: a real result
// window, whose closing applies the rules as the program does.
struct WithInference : TestWindow {
    WithInference() {
        dialogs->openFileDialog = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        form->FileOpen();
        form->mnuinferenciaClick();
    }
    QMdiSubWindow* result() const { return form->Finfo(); }
};

} // namespace

class TestEnablingRules : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    void atStart() {
        TestWindow v;
        for (const char* on :
             {"FileNewItem", "FileOpenItem", "spdnuevo", "spdabrir", "FileExitItem", "spdexit",
              "HelpContentsItem", "HelpAboutItem", "HelpVerifyItem", "spdcontenido"})
            QVERIFY2(v.enabled(on), on);
        for (const char* off :
             {"mnuclose", "spdclose", "FileSaveItem", "FileSaveAsItem", "spdguardar", "PrintLasser",
              "spdprint", "mnuinferencia", "mnuanova", "mnugraph", "mnuinforme", "AcceptanceItem",
              "WindowTileItem", "spdmosaico", "spdcascada"})
            QVERIFY2(!v.enabled(off), off);
        QVERIFY(!v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
        QVERIFY(!v.action("PrintDeskjet")->isVisible());
        QVERIFY(!v.action("spdprint1")->isVisible());
        QVERIFY(!v.action("HelpHowToUseItem")->isVisible());
    }

    void newAndEnteringTheGrid() {
        TestWindow v;
        v.form->FileNew();
        QVERIFY(v.form->Finforma());
        QVERIFY(!v.enabled("FileNewItem"));
        QVERIFY(!v.enabled("spdabrir"));
        QVERIFY(v.enabled("spdclose"));
        QVERIFY(!v.enabled("WindowTileItem")); // tile and cascade stay off after "&Nuevo"
        QVERIFY(!v.enabled("mnuinferencia"));

        v.form->apply(StudyEvent::DataGridEntered);
        for (const char* on :
             {"FileSaveItem", "spdguardar", "PrintLasser", "spdprint", "mnuinferencia", "mnuanova",
              "mnugraphR", "mnuinforme", "mnupredice", "AcceptanceItem"})
            QVERIFY2(v.enabled(on), on);
        QVERIFY(v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
        for (QAction* a : v.form->Finforma()->popupActions())
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

    // A study just read can be computed, saved and printed without visiting "Datos".
    void anOpenedStudyIsReadyAtOnce() {
        TestWindow v;
        v.dialogs->openFileDialog = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        v.form->FileOpen();
        QVERIFY(v.form->Finforma());
        for (const char* on : {"mnuinferencia", "WindowCascadeItem", "FileSaveItem", "spdguardar",
                               "FileSaveAsItem", "PrintLasser", "spdprint"})
            QVERIFY2(v.enabled(on), on);
        QVERIFY(v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
        QVERIFY(!v.enabled("FileOpenItem"));
        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo());
        QVERIFY(v.dialogs->messages.isEmpty());
    }

    void closeWithAResultActive() {
        WithInference v;
        QVERIFY(v.result());
        v.form->ClientArea()->setActiveSubWindow(v.result());
        v.form->mnucloseClick();
        QTRY_VERIFY(v.form->ClientArea()->subWindowList().size() == 1);
        QVERIFY(v.form->Finforma());
        QVERIFY(v.enabled("FileSaveItem"));
        QVERIFY(v.enabled("mnuclose"));
        QVERIFY(!v.enabled("FileNewItem"));
    }

    void closeBoxWithAResultOpen() {
        WithInference v;
        QPointer<QMdiSubWindow> result = v.result();
        QVERIFY(result);
        v.form->Finforma()->close();
        QTRY_VERIFY(!v.form->Finforma());
        for (const char* off :
             {"FileSaveItem", "spdprint", "mnuinferencia", "mnuanova", "AcceptanceItem"})
            QVERIFY2(!v.enabled(off), off);
        QVERIFY(!v.enabled("FileNewItem")); // a child window remains
        result->close();
        QTRY_VERIFY(v.enabled("FileNewItem"));
        QVERIFY(v.enabled("spdabrir"));
        QVERIFY(!v.enabled("mnuclose"));
    }

    void closeTheStudyByTheMenu() {
        TestWindow v;
        v.form->FileNew();
        v.form->apply(StudyEvent::DataGridEntered);
        v.form->ClientArea()->setActiveSubWindow(v.form->Finforma());
        v.form->mnucloseClick();
        QTRY_VERIFY(!v.form->Finforma());
        QVERIFY(v.enabled("FileNewItem"));
        QVERIFY(!v.enabled("mnuclose"));
        QVERIFY(!v.enabled("mnuinferencia"));
        // "&Cálculos" stays on once on; its items are off.
        QVERIFY(v.form->findChild<QMenu*>("mnucalculos")->menuAction()->isEnabled());
    }
};

QTEST_MAIN(TestEnablingRules)
#include "tst_enablingrules.moc"
