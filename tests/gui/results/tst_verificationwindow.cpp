#include "core/verification/VerificationText.h"
#include "gui/app/HelpViewer.h"
#include "gui/results/VerificationWindow.h"
#include "support/PdfText.h"
#include "support/TestWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;

namespace {

// The verification window the help menu item opened in `v`.
VerificationWindow* openVerification(TestWindow& v) {
    v.action("HelpVerifyItem")->trigger();
    return v.form->findChild<VerificationWindow*>("VerificationWindow");
}

} // namespace

class TestVerificationWindow : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    // Every shipped check, row by row as the command-line tool prints it, over the summary.
    void listsEveryCheck() {
        TestWindow v;
        VerificationWindow* w = openVerification(v);
        QVERIFY(w);
        QVERIFY(w->isVisible());
        const auto* table = w->findChild<QTableWidget*>("checks");
        const std::vector<CheckOutcome> expected = runChecks(shippedDataSets());
        QCOMPARE(table->rowCount(), static_cast<int>(expected.size()));
        QCOMPARE(table->columnCount(), 6);
        for (int row = 0; row < table->rowCount(); ++row) {
            const std::vector<std::string> cells =
                checkCells(expected[static_cast<std::size_t>(row)], '.');
            QCOMPARE(table->item(row, 0)->text(), QString::fromStdString(cells[0]));
            QCOMPARE(table->item(row, 1)->text(), QString::fromStdString(cells[1]));
            QCOMPARE(table->item(row, 5)->text(), QString(kCheckPasses));
        }
        QCOMPARE(w->findChild<QLabel*>("summary")->text(),
                 QString::fromStdString(summaryLine(expected)));
        w->close();
    }

    void f1OpensItsPage() {
        TestWindow v;
        VerificationWindow* w = openVerification(v);
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        auto* viewer = v.form->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QCOMPARE(viewer->currentPage(), QStringLiteral("verificar.html"));
        viewer->close();
        w->close();
    }

    // The saved PDF and the printed document name the program's version, the computer and the
    // summary; their dialogs stand in front of the window.
    void printAndSaveAsPdf_data() {
        QTest::addColumn<bool>("print");
        QTest::newRow("Guardar como PDF") << false;
        QTest::newRow("Imprimir") << true;
    }

    void printAndSaveAsPdf() {
        if (!test::havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed: run scripts/setup");
        QFETCH(bool, print);
        TestWindow v;
        VerificationWindow* w = openVerification(v);
        const QString path = dir_.filePath(print ? "impresa.pdf" : "verificacion.pdf");
        if (print) {
            v.dialogs->printFile = path;
            w->findChild<QPushButton*>("printButton")->click();
        } else {
            v.dialogs->pdfFile = path;
            w->findChild<QPushButton*>("pdfButton")->click();
        }
        QCOMPARE(v.dialogs->parents, QStringList{"VerificationWindow"});
        QCOMPARE(v.dialogs->errors, QStringList());
        const QString text = test::pdfText(path);
        QVERIFY2(text.contains("Programa: Linealidad " LINEALIDAD_VERSION), qPrintable(text));
        QVERIFY(text.contains("Computadora: " + QSysInfo::machineHostName()));
        QVERIFY(text.contains(QDate::currentDate().toString("dd/MM/yyyy")));
        QVERIFY(text.contains(w->findChild<QLabel*>("summary")->text()));
        // Its footer prints no study: no file, nothing unsaved.
        const QRegularExpression footer("Página 1 de \\d+ · Linealidad " LINEALIDAD_VERSION
                                        " · impreso " +
                                        QDate::currentDate().toString("yyyy-MM-dd"));
        QVERIFY2(footer.match(text.simplified()).hasMatch(), qPrintable(text.right(600)));
        QVERIFY(!text.contains("sin guardar"));
        const QString xmp = test::popplerOutput("pdfinfo", {"-meta", path});
        QVERIFY(xmp.contains("pdfaid:part=\"1\""));
        QVERIFY(
            xmp.contains("<rdf:li xml:lang=\"x-default\">Verificación de los cálculos</rdf:li>"));
        w->close();
    }
};

QTEST_MAIN(TestVerificationWindow)
#include "tst_verificationwindow.moc"
