#include "core/study/StudyFile.h"
#include "gui/results/TFinfo.h"
#include "gui/widgets/StringGridView.h"
#include "support/PopupMenuKeys.h"
#include "support/TestWindow.h"

#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
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
    const Study& study() const { return form->Finforma()->study(); }

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
    // Types a number of levels and accepts it with the button.
    void levels(const QString& n) {
        enter(box("eniveles"));
        box("eniveles")->selectAll();
        write(n);
        control<QPushButton>("btnsinumero")->click();
        focus();
    }
    // The texts of the data grid's observation rows, "level:X:Y" each.
    QStringList data() const {
        QStringList rows;
        const StringGrid& g = study().stgdatos;
        for (int row = 1; row < g.rowCount(); ++row)
            rows << QString::fromStdString(g.cell(0, row)).trimmed() + QLatin1Char(':') +
                        QString::fromStdString(g.cell(1, row)) + QLatin1Char(':') +
                        QString::fromStdString(g.cell(2, row));
        return rows;
    }
    QString status() const { return form->findChild<QLabel*>("estado")->text(); }
};

// The 5 x 3 design of a linearity study: 80 to 120 % of the nominal, three replicates each.
const char* const kX[] = {"80", "90", "100", "110", "120"};
const char* const kY[][3] = {{"0.801", "0.797", "0.805"},
                             {"0.902", "0.899", "0.905"},
                             {"1.001", "0.998", "1.004"},
                             {"1.099", "1.103", "1.097"},
                             {"1.198", "1.202", "1.205"}};

// The 5 x 3 study as a spreadsheet copies it: X TAB Y, one line per observation.
QString fiveByThreeBlock() {
    QString block;
    for (int level = 0; level < 5; ++level)
        for (const char* y : kY[level])
            block += QString::fromLatin1(kX[level]) + QLatin1Char('\t') + QString::fromLatin1(y) +
                     QStringLiteral("\r\n");
    return block;
}

} // namespace

class TestStudyWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    void startsInGeneralInformation() {
        Capture c;
        QCOMPARE(c.form->Finforma()->windowTitle(), QStringLiteral("Nuevo"));
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

    // Counts that pass their checks give the data grid one row per observation.
    void dataWithReplicatesThatDoNotAddToNine() {
        Capture c;
        c.replicates({"3", "3", "2"});
        c.control<QPushButton>("botonok")->click();
        QVERIFY(c.grid("stgdatos")->holds(Capture::focus()));
        QVERIFY(c.dialogs->messages.isEmpty());
        QCOMPARE(c.data(), (QStringList{"1::", "1::", "1::", "2::", "2::", "2::", "3::", "3::"}));
    }

    // A count the grid cannot follow (a level of no observations, or fewer) is refused as the
    // replicates grid is left, before the data grid is reached.
    void dataWithReplicatesTheGridCannotFollow() {
        Capture c;
        c.replicates({"3", "3", "-1"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        QCOMPARE(c.dialogs->messages,
                 QStringList{QStringLiteral("Datos fuera de rango, minimo 1 Réplica")});
        QCOMPARE(c.thoja()->currentIndex(), 1);
        QVERIFY(c.grid("stgniveles")->holds(QApplication::focusWidget()));
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
        // The empty cell is the current one, so the message points at it.
        QCOMPARE(c.grid("stgdatos")->col(), 1);
        QCOMPARE(c.grid("stgdatos")->row(), 2);
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
        // The cell that is no number is selected and its editor has the focus.
        QCOMPARE(c.grid("stgdatos")->col(), 2);
        QCOMPARE(c.grid("stgdatos")->row(), 5);
        QVERIFY(
            c.grid("stgdatos")->selectionModel()->isSelected(c.grid("stgdatos")->currentIndex()));
        QCOMPARE(qobject_cast<QLineEdit*>(Capture::focus())->text(), QStringLiteral("1,5"));
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

    // Tab from the last cell leaves the grid for the window's first control, through the exit
    // check: a complete grid is left, one with an empty cell keeps the focus on that cell.
    void tabFromTheLastCell_data() {
        QTest::addColumn<bool>("complete");
        QTest::newRow("complete") << true;
        QTest::newRow("an empty cell") << false;
    }
    void tabFromTheLastCell() {
        QFETCH(bool, complete);
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        StringGridView* data = c.grid("stgdatos");
        for (int row = 1; row <= 9; ++row)
            for (int col = 1; col <= 2; ++col)
                if (complete || row != 4)
                    data->model()->setData(data->model()->index(row, col), QString::number(row));
        data->setCurrentCell(1, 9);
        QTest::keyClick(Capture::focus(), Qt::Key_Tab);
        QCOMPARE(data->col(), 2);
        QTest::keyClick(Capture::focus(), Qt::Key_Tab);
        QWidget* now = Capture::focus();
        if (complete) {
            QVERIFY(c.dialogs->messages.isEmpty());
            QCOMPARE(now, c.box("emetodo"));
            QCOMPARE(c.thoja()->currentIndex(), 0);
        } else {
            QCOMPARE(c.dialogs->messages, QStringList{QStringLiteral("Falta capturar un dato ")});
            QVERIFY(data->holds(now));
            QCOMPARE(data->row(), 4);
        }
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

    // The analyst's day: a 5 x 3 study typed from scratch, Enter between the boxes, Tab
    // between the cells, to its inference.
    void aFiveByThreeStudyTypedWithTheKeyboard() {
        Capture c;
        for (const char* text : {"Valoración por UV", "Ana", "2/3/2026", "%", "Absorbancia"}) {
            Capture::write(QString::fromUtf8(text));
            Capture::enter();
        }
        QCOMPARE(Capture::focus(), c.box("eniveles"));
        Capture::write(QStringLiteral("5")); // replaces the selected "3"
        QCOMPARE(c.box("eniveles")->text(), QStringLiteral("5"));
        Capture::enter();
        QCOMPARE(Capture::focus(), c.control<QPushButton>("btnsinumero"));
        Capture::enter();
        QVERIFY(c.grid("stgniveles")->holds(Capture::focus()));
        for (int level = 1; level <= 5; ++level) {
            Capture::write(QStringLiteral("3"));
            QTest::keyClick(Capture::focus(), level < 5 ? Qt::Key_Tab : Qt::Key_Return);
        }
        QCOMPARE(Capture::focus(), c.control<QPushButton>("botonok"));
        Capture::enter();
        QVERIFY(c.grid("stgdatos")->holds(Capture::focus()));
        QCOMPARE(c.study().stgdatos.rowCount(), 16);
        for (int level = 0; level < 5; ++level)
            for (const char* y : kY[level]) {
                Capture::write(QString::fromLatin1(kX[level]));
                QTest::keyClick(Capture::focus(), Qt::Key_Tab);
                Capture::write(QString::fromLatin1(y));
                QTest::keyClick(Capture::focus(), Qt::Key_Tab);
            }
        QVERIFY(c.dialogs->messages.isEmpty());
        QCOMPARE(c.data().first(), QStringLiteral("1:80:0.801"));
        QCOMPARE(c.data().last(), QStringLiteral("5:120:1.205"));
        QVERIFY(c.enabled("mnuinferencia"));
        c.form->mnuinferenciaClick();
        QVERIFY(c.form->Finfo());
        QVERIFY(c.dialogs->messages.isEmpty());
        QVERIFY(c.dialogs->errors.isEmpty());
        // All 15 observations were fitted.
        QVERIFY(c.form->Finfo()->text().contains(QStringLiteral("PENDIENTE =  0.00999\n")));
    }

    // Enter out of "Número de Niveles" runs the check Tab runs.
    void enterChecksTheLevels_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("35") << "35"
                            << "35";
        QTest::newRow("6") << "6"
                           << "6";
    }
    void enterChecksTheLevels() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        Capture c;
        c.enter(c.box("emedida"));
        Capture::write(QStringLiteral("Área"));
        Capture::enter();
        QCOMPARE(Capture::focus(), c.box("eniveles"));
        Capture::write(typed);
        QCOMPARE(c.box("eniveles")->text(), text);
        Capture::enter();
        QCOMPARE(Capture::focus(), c.box("eniveles"));
        QCOMPARE(c.dialogs->messages,
                 QStringList{QStringLiteral("Datos fuera de rango, 3-5 Niveles")});
        QCOMPARE(c.study().stgniveles.colCount(), 4);
    }

    // The data grid takes the shape of the design when the replicates are accepted; rows a
    // smaller design hides keep what was typed in them.
    void theDataGridFollowsTheDesign() {
        Capture c;
        c.levels(QStringLiteral("5"));
        c.replicates({"3", "3", "3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        QVERIFY(c.dialogs->messages.isEmpty());
        QCOMPARE(c.study().stgdatos.rowCount(), 16);
        QCOMPARE(c.data().mid(2, 2), (QStringList{"1::", "2::"}));
        QGuiApplication::clipboard()->setText(fiveByThreeBlock());
        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);

        c.replicates({"3", "3", "3", "3", "1"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        QCOMPARE(c.study().stgdatos.rowCount(), 14);
        QCOMPARE(c.data().last(), QStringLiteral("5:120:1.198"));

        c.replicates({"3", "3", "3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        QCOMPARE(c.study().stgdatos.rowCount(), 16);
        QCOMPARE(c.data().mid(13), (QStringList{"5:120:1.202", "5:120:1.205"}));
        QVERIFY(c.dialogs->messages.isEmpty());
    }

    // A command reads the counts as they stand, also while the focus is still in the replicates
    // grid: the data grid follows them, and only a count that the grid cannot follow is
    // reported, with the message leaving the grid gives.
    void commandsFollowTheReplicates_data() {
        QTest::addColumn<QString>("lastCount");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("fewer") << "1" << 14 << QString();
        QTest::newRow("more") << "4" << 17
                              << QStringLiteral("Falta el dato 16 de la cantidad adicionada");
        QTest::newRow("out of range")
            << "9" << 16 << QStringLiteral("Datos fuera de rango, maximo 5 Réplicas");
    }
    void commandsFollowTheReplicates() {
        QFETCH(QString, lastCount);
        QFETCH(int, rows);
        QFETCH(QString, message);
        Capture c;
        c.levels(QStringLiteral("5"));
        c.replicates({"3", "3", "3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        QGuiApplication::clipboard()->setText(fiveByThreeBlock());
        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);
        c.replicates({"3", "3", "3", "3", ""});
        Capture::write(lastCount);
        QVERIFY(c.grid("stgniveles")->holds(Capture::focus()));

        c.form->mnuinferenciaClick();
        Capture::focus();
        QCOMPARE(c.study().stgdatos.rowCount(), rows);
        QCOMPARE(c.dialogs->messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(static_cast<bool>(c.form->Finfo()), message.isEmpty());
    }

    void escapeChangesNothing() {
        Capture c;
        QTest::keyClick(Capture::focus(), Qt::Key_Escape);
        c.enter(c.box("eniveles"));
        QTest::keyClick(Capture::focus(), Qt::Key_Escape);
        c.enter(c.grid("stgniveles"));
        QTest::keyClick(Capture::focus(), Qt::Key_Escape);
        QCOMPARE(c.status(), QString());
        QVERIFY(!c.form->modified());
        Capture::write(QStringLiteral("3"));
        QCOMPARE(c.status(), QStringLiteral("Modificado"));
    }

    void pasteThatFits() {
        Capture c;
        c.levels(QStringLiteral("5"));
        c.replicates({"3", "3", "3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        QGuiApplication::clipboard()->setText(fiveByThreeBlock());
        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(c.dialogs->messages.isEmpty());
        QCOMPARE(c.data().first(), QStringLiteral("1:80:0.801"));
        QCOMPARE(c.data().last(), QStringLiteral("5:120:1.205"));
        // The open editor shows the pasted text, not what the cell held before.
        QCOMPARE(qobject_cast<QLineEdit*>(Capture::focus())->text(), QStringLiteral("80"));
        QCOMPARE(c.status(), QStringLiteral("Modificado"));
        c.form->mnuinferenciaClick();
        QVERIFY(c.form->Finfo());
        QVERIFY(c.dialogs->errors.isEmpty());
    }

    // A block that does not fit is refused whole, with what fits; the pop-up item does the
    // same as Ctrl+V.
    void pasteThatDoesNotFit() {
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        const QStringList before = c.data();
        c.form->clearModified(QString());
        QGuiApplication::clipboard()->setText(fiveByThreeBlock());
        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c.dialogs->messages,
                 QStringList{QStringLiteral(
                     "No se pegó nada: el bloque copiado tiene 15 filas y 2 columnas, y desde "
                     "la celda actual caben 9 filas y 2 columnas.")});
        QCOMPARE(c.data(), before);
        QCOMPARE(c.status(), QString());

        c.grid("stgdatos")->setCurrentCell(2, 1);
        QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\n"));
        c.form->Finforma()->pmnupegar()->trigger();
        QCOMPARE(c.dialogs->messages.size(), 2);
        QVERIFY(c.dialogs->messages[1].contains(QStringLiteral("caben 9 filas y 1 columna.")));
        QCOMPARE(c.data(), before);
    }

    // A spreadsheet block lands as data, its heading (a first row without a number) left out
    // with a note; Ctrl+Z takes the paste back whole, "&Deshacer" too, and typing after a
    // paste keeps it.
    void pasteAndUndo_data() {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("note");
        QTest::newRow("without heading") << "1\t1.0\n1\t1.2\n2\t2.1\n" << QString();
        QTest::newRow("with heading")
            << "X (mg)\tAbsorbancia\r\n1\t1.0\r\n1\t1.2\r\n2\t2.1\r\n"
            << QStringLiteral("Encabezado omitido al pegar: «X (mg)», «Absorbancia»");
        QTest::newRow("one heading cell") << "Datos\t\n1\t1.0\n1\t1.2\n2\t2.1\n"
                                          << QStringLiteral("Encabezado omitido al pegar: «Datos»");
    }
    void pasteAndUndo() {
        QFETCH(QString, block);
        QFETCH(QString, note);
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        Capture::focus();
        const QStringList before = c.data();
        QAction* undo = c.form->Finforma()->pmnudeshacer();
        QVERIFY(!undo->isEnabled());
        QGuiApplication::clipboard()->setText(block);
        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);
        const QStringList pasted{"1:1:1.0", "1:1:1.2", "1:2:2.1"};
        QCOMPARE(c.data().mid(0, 3), pasted);
        QCOMPARE(c.form->findChild<QLabel*>("StatusLine")->text(), note);
        QVERIFY(undo->isEnabled());

        QTest::keyClick(Capture::focus(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.data(), before);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(qobject_cast<QLineEdit*>(Capture::focus())->text(), QString());

        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);
        undo->trigger();
        QCOMPARE(c.data(), before);

        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);
        c.grid("stgdatos")->setCurrentCell(2, 2);
        Capture::focus();
        Capture::write(QStringLiteral("5"));
        QVERIFY(!undo->isEnabled());
        QTest::keyClick(Capture::focus(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.data().at(0), pasted.at(0));
    }

    // The data grid's pop-up menu opens from the keyboard: the Menu key and Shift+F10.
    void popupMenuKeys_data() { test::popupMenuKeyRows(); }
    void popupMenuKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Capture c;
        c.replicates({"3", "3", "3"});
        c.control<QPushButton>("botonok")->click();
        QVERIFY(c.grid("stgdatos")->holds(Capture::focus()));
        QTest::keyClick(Capture::focus(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        auto* menu = c.form->Finforma()->findChild<QMenu*>("PopMenu");
        QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 2000);
        menu->close();
    }

    // The replicates grid takes a paste back as well, through its own pop-up menu.
    void undoInTheReplicatesGrid() {
        Capture c;
        c.enter(c.grid("stgniveles"));
        QGuiApplication::clipboard()->setText(QStringLiteral("2\t4\t3\n"));
        QTest::keyClick(Capture::focus(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c.study().stgniveles.cell(2, 1), std::string("4"));
        auto* menu = c.form->Finforma()->findChild<QMenu*>("levelsPopup");
        QVERIFY(menu);
        menu->findChild<QAction*>("stgnivelesUndo")->trigger();
        QCOMPARE(c.study().stgniveles.cell(2, 1), std::string());
    }

    // "&Pegar" is on while the calculation items are off, and is not one of them.
    void thePasteItem() {
        Capture c;
        auto* menu = c.form->Finforma()->findChild<QMenu*>("PopMenu");
        QVERIFY(c.form->Finforma()->pmnupegar()->isEnabled());
        QVERIFY(!c.form->Finforma()->popupActions().contains(c.form->Finforma()->pmnupegar()));
        QCOMPARE(menu->actions().last(), c.form->Finforma()->pmnupegar());
        QVERIFY(!c.form->Finforma()->popupActions().last()->isEnabled());
        QCOMPARE(c.form->Finforma()->popupActions().last()->objectName(),
                 QStringLiteral("pmnupredice"));
    }

    void copySelectedCells() {
        Capture c;
        c.form->Finforma()->loadStudy(test::workedExample());
        c.tab(2);
        StringGridView* data = c.grid("stgdatos");
        data->selectionModel()->select(
            QItemSelection(data->model()->index(2, 1), data->model()->index(3, 2)),
            QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(Capture::focus(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t1.2\n2\t2.1\n"));
        QCOMPARE(c.status(), QString()); // copying is no typing
    }

    // A study of 7 levels read from a file can be visited and left: its values are held only to
    // the limits of the validation while they are the ones read.
    void aSevenLevelStudyIsNoTrap() {
        TestWindow v;
        QVERIFY(v.form->openStudy(QStringLiteral(LINEALIDAD_EJEMPLOS "/siete-niveles.txt")));
        auto* eniveles = v.box("eniveles");
        auto* grid = v.control<StringGridView>("stgniveles");
        eniveles->setFocus(Qt::MouseFocusReason);
        TestWindow::focus();
        grid->setFocus(Qt::MouseFocusReason);
        TestWindow::focus();
        v.control<QPushButton>("botonok")->click();
        TestWindow::focus();
        QVERIFY(v.dialogs->messages.isEmpty());
        QCOMPARE(v.control<QTabWidget>("thoja")->currentIndex(), 2);
        // Typed over, the typing limits hold again.
        eniveles->setFocus(Qt::MouseFocusReason);
        TestWindow::focus();
        eniveles->selectAll();
        Capture::write(QStringLiteral("6"));
        grid->setFocus(Qt::MouseFocusReason);
        QCOMPARE(TestWindow::focus(), eniveles);
        QCOMPARE(v.dialogs->messages,
                 QStringList{QStringLiteral("Datos fuera de rango, 3-5 Niveles")});
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
