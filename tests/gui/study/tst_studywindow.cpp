#include "gui/widgets/StringGridView.h"
#include "support/TestWindow.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;

namespace {

// A main window with a new study window, focus in it.
struct Capture : TestWindow {
    Capture() {
        form->FileNew();
        focus();
    }
    QTabWidget* thoja() const { return control<QTabWidget>("thoja"); }
    StringGridView* grid(const char* name) const { return control<StringGridView>(name); }
    const Study& study() const { return form->Finforma->study(); }

    // Types `text` where the focus is.
    static void write(const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                    QString(c), Qt::NoModifier);
        }
    }
    static void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    // Moves the focus to a control of the study window, as a click on it would.
    void enter(QWidget* w) {
        w->setFocus(Qt::MouseFocusReason);
        focus();
    }
    // Types a replicate count into the cell of level `level`.
    void replicate(int level, const QString& n) {
        grid("stgniveles")->setCurrentCell(level, 1);
        focus();
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        write(n);
    }
    // Clicks the tab of a page.
    void tab(int index) {
        QTabBar* bar = thoja()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        focus();
    }
    void replicates(std::initializer_list<const char*> r) {
        enter(grid("stgniveles"));
        int i = 1;
        for (const char* n : r)
            replicate(i++, QString::fromLatin1(n));
    }
};

} // namespace

class TestStudyWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    void startsInGeneralInformation() {
        Capture c;
        QCOMPARE(c.form->Finforma->windowTitle(), QStringLiteral("Nuevo"));
        QCOMPARE(c.thoja()->currentIndex(), 0);
        QCOMPARE(Capture::focus(), c.box("emetodo"));
        QCOMPARE(c.box("emetodo")->maxLength(), 60);
        QCOMPARE(c.box("efecha")->maxLength(), 20);
        QCOMPARE(c.box("eniveles")->text(), QStringLiteral("3"));
    }

    void enterAdvancesOnlyWithText() {
        Capture c;
        Capture::enter();
        QCOMPARE(Capture::focus(), c.box("emetodo"));
        Capture::write(QStringLiteral("Valoración"));
        QCOMPARE(c.form->findChild<QLabel*>("estado")->text(), QStringLiteral("Modificado"));
        QCOMPARE(c.study().emetodo, std::string("Valoración"));
        Capture::enter();
        QCOMPARE(Capture::focus(), c.box("eanalista"));
        for (const char* text : {"Ana", "1/2/2026", "mg", "Área"}) {
            Capture::write(QString::fromUtf8(text));
            Capture::enter();
        }
        QCOMPARE(c.thoja()->currentIndex(), 1);
        QCOMPARE(Capture::focus(), c.box("eniveles"));
        QVERIFY(c.dialogs->messages.isEmpty());
    }

    void levelCountChecks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("fuera de rango") << "6"
                                        << "Datos fuera de rango, 3-5 Niveles";
        QTest::newRow("dos") << "2"
                             << "Datos fuera de rango, 3-5 Niveles";
        QTest::newRow("letra") << "x"
                               << "El valor de captura no es un valor numérico.";
        QTest::newRow("vacío") << ""
                               << "Falta capturar número de Niveles";
    }
    void levelCountChecks() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        Capture c;
        c.enter(c.box("eniveles"));
        c.box("eniveles")->selectAll();
        QTest::keyClick(c.box("eniveles"), Qt::Key_Delete);
        Capture::write(text);
        c.enter(c.grid("stgniveles"));
        QCOMPARE(c.dialogs->messages, QStringList{message});
        QCOMPARE(Capture::focus(), c.box("eniveles"));
        QCOMPARE(c.thoja()->currentIndex(), 1);
    }

    void levelsNotAccepted() {
        Capture c;
        c.enter(c.box("eniveles"));
        c.box("eniveles")->selectAll();
        Capture::write(QStringLiteral("4"));
        c.enter(c.grid("stgniveles"));
        QCOMPARE(c.dialogs->messages, QStringList{QStringLiteral(
                                          "El número de celdas de captura para las replicaciones, "
                                          "no coincide con el número de niveles.")});
        QCOMPARE(Capture::focus(), c.box("eniveles"));
    }

    void acceptingLevelsKeepsTheReplicates() {
        Capture c;
        c.enter(c.box("eniveles"));
        c.box("eniveles")->selectAll();
        Capture::write(QStringLiteral("5"));
        c.control<QPushButton>("btnsinumero")->click();
        QCOMPARE(Capture::focus()->parentWidget()->parentWidget(), c.grid("stgniveles"));
        QCOMPARE(c.study().stgniveles.colCount(), 6);
        QCOMPARE(c.study().stgniveles.cell(5, 0), std::string("5"));
        for (int i = 1; i <= 4; ++i)
            c.replicate(i, QStringLiteral("1"));
        c.replicate(5, QStringLiteral("2"));
        c.enter(c.box("eniveles"));
        c.box("eniveles")->selectAll();
        Capture::write(QStringLiteral("3"));
        c.control<QPushButton>("btnsinumero")->click();
        QCOMPARE(c.study().stgniveles.colCount(), 4);
        c.enter(c.box("eniveles"));
        c.box("eniveles")->selectAll();
        Capture::write(QStringLiteral("5"));
        c.control<QPushButton>("btnsinumero")->click();
        QCOMPARE(c.study().stgniveles.cell(5, 1), std::string("2"));
    }

    void aClickTheCheckRefusesDoesNothing() {
        Capture c;
        c.enter(c.box("eniveles"));
        c.box("eniveles")->selectAll();
        Capture::write(QStringLiteral("9"));
        c.control<QPushButton>("btnsinumero")->click();
        Capture::focus();
        QCOMPARE(c.dialogs->messages,
                 QStringList{QStringLiteral("Datos fuera de rango, 3-5 Niveles")});
        QCOMPARE(c.study().stgniveles.colCount(), 4);
        QCOMPARE(QApplication::focusWidget(), c.box("eniveles"));
    }

    void replicateChecks_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::newRow("seis") << "6"
                              << "Datos fuera de rango, maximo 5 Réplicas";
        QTest::newRow("letras") << "dos"
                                << "El dato2 no es un valor numérico.";
        QTest::newRow("vacía") << ""
                               << "Falta el dato 2";
    }
    void replicateChecks() {
        QFETCH(QString, second);
        QFETCH(QString, message);
        Capture c;
        c.replicates({"3", "x", "3"});
        c.replicate(2, second);
        c.enter(c.control<QPushButton>("botonok"));
        QCOMPARE(c.dialogs->messages, QStringList{message});
        QVERIFY(c.grid("stgniveles")->holds(Capture::focus()));
    }

    void fractionalReplicateIsAFault() {
        Capture c;
        c.replicates({"3", "2.5", "3"});
        c.enter(c.control<QPushButton>("botonok"));
        QCOMPARE(c.dialogs->errors,
                 QStringList{QStringLiteral("'2.5' is not a valid integer value.")});
        QVERIFY(c.grid("stgniveles")->holds(Capture::focus()));
    }

    void dataWithCompleteReplicates() {
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        QCOMPARE(Capture::focus()->parentWidget()->parentWidget(), c.grid("stgdatos"));
        QCOMPARE(c.thoja()->currentIndex(), 2);
        QVERIFY(c.dialogs->messages.isEmpty());
        QVERIFY(c.enabled("mnuinferencia")); // entering the data grid switches the commands on
    }

    void dataWithReplicatesThatDoNotAdd() {
        Capture c;
        c.replicates({"3", "3", "2"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        QCOMPARE(c.dialogs->messages,
                 QStringList{QStringLiteral("El número de celdas de captura para los datos, no "
                                            "coincide con el número de replicas por nivel.")});
        QCOMPARE(c.thoja()->currentIndex(), 1);
        QVERIFY(c.grid("stgniveles")->holds(QApplication::focusWidget()));
        QVERIFY(c.enabled("mnuinferencia")); // switched on before the checks
    }

    void enterInTheLastReplicateGoesToTheButton() {
        Capture c;
        c.replicates({"3", "3", "3"});
        Capture::enter();
        QCOMPARE(Capture::focus(), c.control<QPushButton>("botonok"));
        QVERIFY(c.grid("stgniveles")->tabMovesBetweenCells()); // back to normal on leaving
        QCOMPARE(c.grid("stgniveles")->col(), 1);
    }

    void leavingTheDataGrid() {
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        Capture::write(QStringLiteral("1"));
        c.tab(1);
        QCOMPARE(c.dialogs->messages, QStringList{QStringLiteral("Falta capturar un dato ")});
        QVERIFY(c.grid("stgdatos")->holds(Capture::focus()));
        QCOMPARE(c.grid("stgdatos")->col(), 1);
        QCOMPARE(c.grid("stgdatos")->row(), 1);
    }

    void nonNumericValue() {
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        for (int row = 1; row <= 9; ++row)
            for (int col = 1; col <= 2; ++col) {
                c.grid("stgdatos")->setCurrentCell(col, row);
                Capture::focus();
                Capture::write(row == 5 && col == 2 ? QStringLiteral("1,5") : QString::number(row));
            }
        c.tab(0);
        QCOMPARE(c.dialogs->messages,
                 QStringList{QStringLiteral("Algun dato capturado no es un valor numérico.")});
        QCOMPARE(c.thoja()->currentIndex(), 2);
    }

    void keyInTheLastCell() {
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        c.form->apply(StudyEvent::ClosedByCerrar); // everything off again, for the test
        c.form->apply(StudyEvent::New);
        Capture::write(QStringLiteral("7"));
        QVERIFY(c.enabled("FileSaveItem"));
        QVERIFY(!c.enabled("mnuinferencia"));
        c.grid("stgdatos")->setCurrentCell(2, 9);
        Capture::focus();
        Capture::write(QStringLiteral("7"));
        QVERIFY(c.enabled("mnuinferencia"));
        QVERIFY(c.enabled("spdprint"));
        QVERIFY(!c.grid("stgdatos")->tabMovesBetweenCells());
    }

    void tabInTheGrid() {
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        StringGridView* data = c.grid("stgdatos");
        data->setCurrentCell(1, 4);
        QTest::keyClick(Capture::focus(), Qt::Key_Tab);
        QCOMPARE(data->col(), 2);
        QTest::keyClick(Capture::focus(), Qt::Key_Tab);
        QCOMPARE(data->col(), 1);
        QCOMPARE(data->row(), 5);
        QVERIFY(data->tabMovesBetweenCells());
        // Shift+Tab from the first cell wraps to the last one, which makes Tab leave the grid.
        data->setCurrentCell(1, 1);
        QTest::keyClick(Capture::focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(data->col(), 2);
        QCOMPARE(data->row(), 9);
        QVERIFY(!data->tabMovesBetweenCells());
    }

    void theMessageBoxDoesNotRepeatTheCheck() {
        Capture c;
        // While the box is "open" the focus goes to another window and comes back.
        c.dialogs->onShow = [] {
            QDialog box;
            auto* edit = new QLineEdit(&box);
            box.show();
            QApplication::setActiveWindow(&box);
            edit->setFocus();
            QCoreApplication::processEvents();
            box.close();
        };
        c.enter(c.box("eniveles"));
        c.box("eniveles")->selectAll();
        Capture::write(QStringLiteral("8"));
        c.enter(c.box("emetodo"));
        QApplication::setActiveWindow(c.form.get());
        Capture::focus();
        QCOMPARE(c.dialogs->messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), c.box("eniveles"));
    }

    void tabByClick() {
        Capture c;
        QTabBar* bar = c.thoja()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(Capture::focus(), c.box("eniveles"));
        QCOMPARE(c.thoja()->currentIndex(), 1);
        c.box("eniveles")->selectAll();
        Capture::write(QStringLiteral("7"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(Capture::focus(), c.box("eniveles"));
        QCOMPARE(c.thoja()->currentIndex(), 1); // the check sent it back
        QCOMPARE(c.dialogs->messages.size(), 1);
    }
};

QTEST_MAIN(TestStudyWindow)
#include "tst_studywindow.moc"
