#include "core/results/InferenceText.h"
#include "core/text/NumberFormat.h"
#include "gui/results/TFinfo.h"
#include "gui/results/TfinfoA.h"
#include "gui/results/TfinfoR.h"
#include "gui/results/Tfrminforme.h"
#include "gui/widgets/StringGridView.h"
#include "gui/widgets/TextColumn.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QClipboard>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;
using test::WithStudy;

namespace {

// Every level's replicates identical: the pure-error mean square is zero.
Study identicalReplicates() {
    return test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                       {"1", "1", "2.5", "2.5", "3", "3"});
}

Study zeroSlope() {
    return test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                       {"4", "4.5", "4", "4.5", "4", "4.5"});
}

QStringList lines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

} // namespace

class TestResultWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    void workedExampleInference() {
        WithStudy v;
        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo());
        const QStringList text = lines(v.form->Finfo()->text());
        QCOMPARE(text.size(), 15);
        QCOMPARE(text[2], QStringLiteral("PENDIENTE =  0.975"));
        QCOMPARE(text[6], QStringLiteral("ORDENADA AL ORIGEN = 0.1"));
        QCOMPARE(text[13], QString());
        QCOMPARE(text[14],
                 QStringLiteral(
                     "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN."));
        QCOMPARE(v.form->Finfo()->windowTitle(),
                 QStringLiteral("Linealidad y Precisión del Sistema"));
        QCOMPARE(v.form->Finfo()->size(), QSize(595, 342));

        TFinfo* first = v.form->Finfo();
        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo() != first);
        QCOMPARE(v.form->Finfo()->text(), first->text());
        QCOMPARE(v.windows(), 3);
    }

    void zeroSlopeOpensNoWindow() {
        WithStudy v(zeroSlope());
        for (auto command :
             {&TMainForm::mnuinferenciaClick, &TMainForm::mnuanovaClick, &TMainForm::mnuresidClick,
              &TMainForm::mnuinformeClick, &TMainForm::showAcceptanceVerdict})
            (v.form.get()->*command)();
        QCOMPARE(
            v.dialogs->messages,
            QStringList(5, QStringLiteral("La pendiente es cero, imposible realizar cálculos.")));
        QCOMPARE(v.windows(), 1);
    }

    void invalidStudyOpensNoWindow() {
        Study s = test::workedExample();
        s.stgdatos.setCell(1, 2, "");
        WithStudy v(s);
        v.form->mnuanovaClick();
        v.form->mnuinformeClick();
        QCOMPARE(v.dialogs->messages.size(), 2);
        QCOMPARE(v.dialogs->messages[0],
                 QStringLiteral("Falta el dato 2 de la cantidad adicionada"));
        QCOMPARE(v.windows(), 1);
    }

    void faultAfterTheWindowOpened() {
        WithStudy v(identicalReplicates());
        v.form->mnuinferenciaClick();
        QCOMPARE(v.dialogs->errors,
                 QStringList{QStringLiteral("Floating point division by zero.")});
        QVERIFY(v.form->Finfo());
        const QStringList text = lines(v.form->Finfo()->text());
        QCOMPARE(text.size(), 14); // thirteen lines and the memo's empty line
        QCOMPARE(text[13], QString());

        v.form->mnuinformeClick();
        QVERIFY(v.form->frminforme());
        const QStringList report = lines(v.form->frminforme()->text());
        QCOMPARE(report.size(), 29 + 3 + 6); // lines 1 to 31: one per level, one per observation
        QCOMPARE(report.back(), QStringLiteral(" "));

        v.form->mnuanovaClick(); // the fault comes before its window
        QVERIFY(!v.form->finfoA());
        QCOMPARE(v.dialogs->errors.size(), 3);
    }

    void perfectFitOpensNoWindow() {
        WithStudy v(test::study({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"}));
        v.form->mnuinferenciaClick();
        QCOMPARE(v.dialogs->errors,
                 QStringList{QStringLiteral("Floating point division by zero.")});
        QVERIFY(!v.form->Finfo());
    }

    void theLastWindowReenablesNew() {
        WithStudy v;
        v.form->apply(StudyEvent::DataGridEntered);
        v.form->mnuanovaClick();
        QPointer<TfinfoA> anova = v.form->finfoA();
        v.form->Finforma()->close();
        QTRY_VERIFY(!v.form->Finforma());
        QVERIFY(!v.enabled("FileNewItem"));
        QVERIFY(!v.enabled("mnuanova"));
        anova->close();
        QTRY_VERIFY(!anova);
        QVERIFY(v.enabled("FileNewItem"));
        QVERIFY(v.enabled("FileOpenItem"));
        QVERIFY(!v.enabled("mnuclose"));
    }

    void workedExampleAnovaTable() {
        WithStudy v;
        v.form->mnuanovaClick();
        TfinfoA* a = v.form->finfoA();
        QVERIFY(a);
        QCOMPARE(a->cells().cell(0, 3), std::string("REGRESIÓN"));
        QCOMPARE(a->cells().cell(4, 3), std::string("164.432"));
        QCOMPARE(a->cells().cell(5, 3), std::string("0.000898959"));
        QCOMPARE(a->cells().cell(1, 5), std::string("1"));
        auto* grid = a->findChild<StringGridView*>("stganova");
        QCOMPARE(grid->columnWidth(0), 170);
        QCOMPARE(grid->columnWidth(1), 100);
        // It starts on its first heading, which is not shown as selected; a cell moved to is.
        QCOMPARE(grid->col(), 0);
        QCOMPARE(grid->row(), 0);
        QVERIFY(grid->selectionModel()->selectedIndexes().isEmpty());
        grid->setCurrentCell(1, 3);
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 1);
        QVERIFY(a->sentences().startsWith(
            QStringLiteral("EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia\nEL MODELO "
                           "LINEAL REPRESENTA")));
    }

    // The window opens wide enough for the whole table and the sentences when the frame has
    // room, and as wide as the frame when it has not.
    void anovaWindowWidth_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("whole");
        QTest::newRow("room") << 1000 << true;
        QTest::newRow("narrow frame") << 700 << false;
    }
    void anovaWindowWidth() {
        QFETCH(int, frame);
        QFETCH(bool, whole);
        WithStudy v;
        v.form->resize(frame, 700);
        v.form->mnuanovaClick();
        TfinfoA* a = v.form->finfoA();
        const auto* scroller = a->findChild<QScrollArea*>();
        const int shown = scroller->viewport()->width();
        const int room = v.form->ClientArea()->viewport()->width();
        QCOMPARE(shown >= scroller->widget()->width(), whole);
        QVERIFY(a->width() <= room);
        QVERIFY(a->width() >= 601);
        QCOMPARE(a->x(), (room - a->width()) / 2);
    }

    void tabInTheAnovaTable() {
        WithStudy v;
        v.form->mnuanovaClick();
        auto* grid = v.form->finfoA()->findChild<StringGridView*>("stganova");
        grid->setFocus();
        grid->setCurrentCell(4, 6);
        QTest::keyClick(grid, Qt::Key_Tab); // to the last cell: Tab now leaves the grid
        QCOMPARE(grid->col(), 5);
        QVERIFY(!grid->tabMovesBetweenCells());
        grid->setCurrentCell(5, 2); // a key in the last column, not in the last row
        QTest::keyClick(grid, Qt::Key_A);
        QVERIFY(grid->tabMovesBetweenCells());
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(grid->col(), 0);
        QCOMPARE(grid->row(), 3);
    }

    void visibleResiduals() {
        WithStudy v;
        v.form->mnuresidClick();
        TfinfoR* r = v.form->finfoR();
        QVERIFY(r);
        QCOMPARE(lines(r->column(0))[2], QStringLiteral("           1"));
        QCOMPARE(lines(r->column(3))[0], QStringLiteral("Residuos"));
        QCOMPARE(lines(r->column(3))[2], QStringLiteral("-0.645746"));
    }

    // Ctrl+C in a result window copies its text as a spreadsheet takes it: the blanks that
    // align the columns dropped, each number a cell.
    void copyAsCells() {
        WithStudy v;
        v.form->mnuinferenciaClick();
        v.form->mnuanovaClick();
        v.form->mnuresidClick();
        auto copied = [&](QMdiSubWindow* window) {
            QGuiApplication::clipboard()->clear();
            v.form->ClientArea()->setActiveSubWindow(window);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            return lines(QGuiApplication::clipboard()->text());
        };
        const QStringList inference = copied(v.form->Finfo());
        QCOMPARE(inference[0], QStringLiteral("INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN"));
        QCOMPARE(inference[2], QStringLiteral("PENDIENTE\t0.975"));
        QCOMPARE(inference[6], QStringLiteral("ORDENADA AL ORIGEN\t0.1"));
        const QStringList anova = copied(v.form->finfoA());
        QCOMPARE(anova[0], QStringLiteral("FUENTE\tGRADOS\tSUMA\tMEDIA\t\t"));
        QCOMPARE(anova[3].section(QLatin1Char('\t'), 0, 1), QStringLiteral("REGRESIÓN\t1"));
        QCOMPARE(anova[3].section(QLatin1Char('\t'), 4), QStringLiteral("164.432\t0.000898959"));
        QCOMPARE(anova.size(), 8); // 7 rows, each ending in a line end
        const QStringList residuals = copied(v.form->finfoR());
        QCOMPARE(residuals[0], QStringLiteral("Observación\tPronóstico para Y\tResiduales\t"
                                              "Residuos Estudentizados"));
        QCOMPARE(residuals[1].section(QLatin1Char('\t'), 0, 0), QStringLiteral("1"));
        QCOMPARE(residuals[1].section(QLatin1Char('\t'), 3), QStringLiteral("-0.645746"));
        QCOMPARE(residuals.size(), 1 + 6 + 1);
    }

    void hundredFiftyResidualsFit() {
        std::vector<int> replicates(10, 15);
        std::vector<std::string> x, y;
        for (int i = 1; i <= 10; ++i)
            for (int k = 0; k < 15; ++k) {
                x.push_back(std::to_string(i));
                y.push_back(formatGeneral(2 * i + (k % 5 - 2) * 0.1 + (i % 3) * 0.05, 15));
            }
        WithStudy v(test::study(replicates, x, y));
        v.form->mnuresidClick();
        TfinfoR* r = v.form->finfoR();
        QVERIFY(r);
        const auto columns = r->findChildren<TextColumn*>();
        QCOMPARE(columns.size(), 4);
        for (auto* column : columns) {
            QCOMPARE(column->lineCount(), 152);
            // No line is cut off: the column is tall enough for them all.
            QVERIFY(column->height() >= column->heightForAllLines());
        }
        QVERIFY(r->findChild<QScrollArea*>()->verticalScrollBar()->maximum() > 0);
    }

    // A result window just opened has the focus, and Escape or Ctrl+F4 closes it.
    void closeWithKeys_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("key");
        for (const char* command : {"inferencia", "anova", "residuales"}) {
            QTest::addRow("%s, Escape", command)
                << command << int(Qt::NoModifier) << int(Qt::Key_Escape);
            QTest::addRow("%s, Ctrl+F4", command)
                << command << int(Qt::ControlModifier) << int(Qt::Key_F4);
        }
    }
    void closeWithKeys() {
        QFETCH(QString, command);
        QFETCH(int, modifiers);
        QFETCH(int, key);
        WithStudy v;
        const QMap<QString, std::function<void()>> commands{
            {"inferencia", [&] { v.form->mnuinferenciaClick(); }},
            {"anova", [&] { v.form->mnuanovaClick(); }},
            {"residuales", [&] { v.form->mnuresidClick(); }}};
        commands[command]();
        QPointer<QMdiSubWindow> window = v.form->ClientArea()->activeSubWindow();
        QVERIFY(window && window != v.form->Finforma());
        QVERIFY(window->isAncestorOf(QApplication::focusWidget()) ||
                window == QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY_WITH_TIMEOUT(!window, 2000);
        QVERIFY(v.form->Finforma());
    }

    // The keys that read a text move, select and copy; any other key closes the report, as it
    // always did. The scroll bar and the mouse never close it.
    void reportKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        const int none = Qt::NoModifier;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << none << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << true;
        QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << true;
        QTest::newRow("Down") << int(Qt::Key_Down) << none << false;
        QTest::newRow("Shift+Down") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << false;
        QTest::newRow("End") << int(Qt::Key_End) << int(Qt::ControlModifier) << false;
        QTest::newRow("Home") << int(Qt::Key_Home) << none << false;
        QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << none << false;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << false;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << false;
    }
    void reportKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        WithStudy v;
        v.form->mnuinformeClick();
        QPointer<Tfrminforme> report = v.form->frminforme();
        QVERIFY(report);
        report->mminforme()->setFocus();
        QTest::keyClick(report->mminforme(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(!report, closes);
        if (report)
            report->close();
    }

    // Ctrl+C copies what is selected, or the whole report; the mouse selects without closing.
    void reportCopiesAndOpensWide() {
        WithStudy v;
        v.form->mnuinformeClick();
        QPointer<Tfrminforme> report = v.form->frminforme();
        QPlainTextEdit* text = report->mminforme();
        QScrollBar* bar = text->verticalScrollBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 5));
        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(report);
        QVERIFY(bar->value() > 0);

        text->setFocus();
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), report->text());
        text->moveCursor(QTextCursor::Start);
        text->moveCursor(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), lines(report->text()).first());
        QVERIFY(report);

        // Every line is read without scrolling sideways.
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
        report->close();
    }
};

QTEST_MAIN(TestResultWindows)
#include "tst_resultwindows.moc"
