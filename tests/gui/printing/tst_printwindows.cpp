#include "core/results/ZeroSlope.h"
#include "gui/charts/TOptionsDlg.h"
#include "gui/charts/TPlotForm.h"
#include "gui/common/CanvasFont.h"
#include "gui/printing/TFOPRT.h"
#include "gui/printing/TFopprt.h"
#include "gui/printing/TFopprt1.h"
#include "gui/results/Tfrmpredice.h"
#include "gui/widgets/RadioGroup.h"
#include "support/PdfText.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QCryptographicHash>
#include <QFontInfo>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;
using test::WithStudy;

namespace {

Study zeroSlope() {
    return test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, {"1", "1", "1", "1", "1", "1"});
}

// A main window with the worked example, whose print dialog "prints" to a PDF file in a
// temporary directory.
struct Printing : WithStudy {
    QTemporaryDir directory;
    QString pdf = directory.filePath(QStringLiteral("hoja.pdf"));

    explicit Printing(const Study& study = test::workedExample()) : WithStudy(study) {
        form->createStartupWindows();
        dialogs->printFile = pdf;
    }
    bool printed() const { return QFileInfo(pdf).size() > 0; }
    QString text() const { return test::pdfText(pdf); }

    // Chooses `page` in `window` and presses "Aceptar".
    void print(PrintOptionsWindow* window, int page) {
        window->setOption(page);
        window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    }
};

QStringList items(const RadioGroup* group) {
    QStringList texts;
    for (int i = 0; group->item(i); ++i)
        texts << group->item(i)->text();
    return texts;
}

QString buttonText(const QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name))->text();
}

} // namespace

class TestPrintWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The acceptance page reads the user's criteria: the tests' own, none, not the machine's.
        QStandardPaths::setTestModeEnabled(true);
        if (!test::havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed: run scripts/setup");
    }
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    // The three windows come in the start-up order, between the chart options dialog and the
    // chart windows, and are kept: closing one only hides it.
    void createdAtStartUpAndKept() {
        Printing v;
        const QObjectList children = v.form->children();
        auto position = [&](QObject* o) { return children.indexOf(o); };
        QVERIFY(position(v.form->OptionsDlg()) < position(v.form->Fopprt1()));
        QVERIFY(position(v.form->Fopprt1()) < position(v.form->frmpredice()));
        QVERIFY(position(v.form->frmpredice()) < position(v.form->FOPRT()));
        QVERIFY(position(v.form->FOPRT()) < position(v.form->Fopprt()));
        QVERIFY(position(v.form->Fopprt()) < position(v.form->PlotForm()));
        v.form->PrintLasserClick();
        QVERIFY(v.form->Fopprt1()->isVisible());
        QVERIFY(!v.form->Fopprt1()->isModal());
        v.form->Fopprt1()->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QVERIFY(!v.form->Fopprt1()->isVisible());
        QVERIFY(v.form->Fopprt1());
    }

    void windowsAsTheProgramDrawsThem() {
        Printing v;
        const TFopprt1* laser = v.form->Fopprt1();
        const TFopprt* deskjet = v.form->Fopprt();
        const TFOPRT* printer = v.form->FOPRT();
        const QStringList pages{"Imprime Información General", "Imprime Inferencia",
                                "Imprime Anova y Residuales"};
        for (const PrintOptionsWindow* w : {static_cast<const PrintOptionsWindow*>(laser),
                                            static_cast<const PrintOptionsWindow*>(deskjet)}) {
            QCOMPARE(w->windowTitle(), QStringLiteral("opciones"));
            // The laser window also offers the acceptance verdict and the validation
            // statistics, after the three pages.
            const QStringList offered =
                w == laser ? pages + QStringList{"Imprime Dictamen de Aceptación",
                                                 "Imprime Estadística de Validación"}
                           : pages;
            QCOMPARE(items(w->findChild<RadioGroup*>(QStringLiteral("opcion"))), offered);
            QCOMPARE(w->option(), 0);
            QCOMPARE(buttonText(w, "BitBtn1"), QStringLiteral("Aceptar"));
            QCOMPARE(buttonText(w, "BitBtn2"), QStringLiteral("Cancelar"));
            QCOMPARE(buttonText(w, "PreviewButton"), QStringLiteral("&Vista previa"));
        }
        QCOMPARE(laser->size(), QSize(392, 326));
        QCOMPARE(laser->findChild<RadioGroup*>(QStringLiteral("opcion"))->title(),
                 QStringLiteral("Imprimir en Lasser :"));
        QCOMPARE(laser->findChild<RadioGroup*>(QStringLiteral("opcion"))->height(), 175);
        QCOMPARE(deskjet->size(), QSize(350, 295));
        QCOMPARE(deskjet->findChild<RadioGroup*>(QStringLiteral("opcion"))->title(),
                 QStringLiteral("Imprimir:"));
        QCOMPARE(deskjet->findChild<RadioGroup*>(QStringLiteral("opcion"))->height(), 185);

        QCOMPARE(printer->windowTitle(), QStringLiteral("Opciones de impresión"));
        QCOMPARE(printer->size(), QSize(316, 272));
        QVERIFY(printer->windowFlags() & Qt::WindowStaysOnTopHint);
        const auto* SELECPRT = printer->findChild<RadioGroup*>(QStringLiteral("SELECPRT"));
        QCOMPARE(SELECPRT->title(), QStringLiteral("Selecione la Impresora :"));
        QCOMPARE(items(SELECPRT), (QStringList{"Impresora DeskJet", "Impresora Laser Jet"}));
        QCOMPARE(printer->SELECPRTIndex(), 0);
        const auto* SELECMAR = printer->findChild<RadioGroup*>(QStringLiteral("SELECMAR"));
        QCOMPARE(SELECMAR->title(), QStringLiteral("Selecciona margen:"));
        QCOMPARE(items(SELECMAR), (QStringList{"1 cm", "1.5 cm", "2.0 cm"}));
        QCOMPARE(printer->SELECMARIndex(), 1);
    }

    // Each page through the print dialog into a PDF file; the window stays open with its
    // selection.
    void laserDispatch_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("line");
        QTest::newRow("general") << 0 << "Información General"
                                 << "Nombre del Método: Valoración por UV";
        QTest::newRow("inference") << 1 << "Inferencia de Pendiente y Ordenada al Origen"
                                   << "Pendiente = 0.975";
        QTest::newRow("variance") << 2 << "Análisis de la Varianza"
                                  << "el modelo lineal representa de manera correcta";
        QTest::newRow("acceptance") << 3 << "Dictamen de aceptación"
                                    << "DICTAMEN: NO CUMPLE";
    }
    void laserDispatch() {
        QFETCH(int, page);
        QFETCH(QString, title);
        QFETCH(QString, line);
        Printing v;
        v.form->PrintLasserClick();
        v.print(v.form->Fopprt1(), page);
        QVERIFY(v.printed());
        const QString text = v.text().simplified();
        QVERIFY2(text.contains(title), qPrintable(text));
        QVERIFY2(text.contains(line), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Linealidad y Precisión del Sistema de Medición")));
        QVERIFY(v.dialogs->messages.isEmpty());
        QVERIFY(v.dialogs->errors.isEmpty());
        QVERIFY(v.form->Fopprt1()->isVisible());
        QCOMPARE(v.form->Fopprt1()->option(), page);
        v.form->Fopprt1()->close();
    }

    // The deskjet path validates the study first; its pages take the margin of TFOPRT, 3
    // (1.5 cm) when that window was never opened.
    void deskjetDispatch() {
        Printing v;
        v.form->FilePrint();
        QVERIFY(v.form->Fopprt()->isVisible());
        v.print(v.form->Fopprt(), 1);
        QCOMPARE(v.form->Fopprt()->FactorMargen(), 3);
        QVERIFY(v.text().contains(QStringLiteral("INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN")));
        v.form->FOPRT()->setSELECMARIndex(2);
        v.print(v.form->Fopprt(), 0);
        QCOMPARE(v.form->Fopprt()->FactorMargen(), 5);
        QVERIFY(v.text().contains(QStringLiteral("INFORMACIÓN GENERAL")));
        v.form->Fopprt()->close();
    }

    void deskjetValidatesTheStudy() {
        Study invalid = test::workedExample();
        invalid.stgdatos.setCell(2, 3, "");
        Printing v(invalid);
        v.form->FilePrint();
        QCOMPARE(v.dialogs->messages.size(), 1);
        QVERIFY(!v.form->Fopprt()->isVisible());
    }

    void cancelPrintsNothing() {
        Printing v;
        v.dialogs->printFile.clear();
        v.form->PrintLasserClick();
        v.print(v.form->Fopprt1(), 2);
        QVERIFY(!v.printed());
        QVERIFY(v.dialogs->messages.isEmpty());
        QVERIFY(v.form->Fopprt1()->isVisible());
        QCOMPARE(v.form->Fopprt1()->option(), 2);
        v.form->Fopprt1()->close();
    }

    // A zero slope: the message, no page, the window stays; the general page prints as usual.
    void zeroSlope_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("printed");
        QTest::newRow("general") << 0 << true;
        QTest::newRow("inference") << 1 << false;
        QTest::newRow("variance") << 2 << false;
    }
    void zeroSlope() {
        QFETCH(int, page);
        QFETCH(bool, printed);
        Printing v(::zeroSlope());
        v.form->PrintLasserClick();
        v.print(v.form->Fopprt1(), page);
        QCOMPARE(v.printed(), printed);
        QCOMPARE(v.dialogs->messages,
                 printed ? QStringList() : QStringList{QString::fromUtf8(kZeroSlopeMessage)});
        QVERIFY(v.form->Fopprt1()->isVisible());
        v.form->Fopprt1()->close();
    }

    // Decided here: nothing reaches the PDF file; the generic report shows the conversion error.
    void levelCountThatIsNotAnInteger() {
        Study study = test::workedExample();
        study.eniveles = "x";
        Printing v(study);
        v.form->PrintLasserClick();
        v.print(v.form->Fopprt1(), 0);
        QVERIFY(!QFileInfo::exists(v.pdf));
        QCOMPARE(v.dialogs->errors, QStringList{"'x' is not a valid integer value."});
        QVERIFY(v.form->Fopprt1()->isVisible());
        v.form->Fopprt1()->close();
    }

    // Each inference page reflects its own study, computed afresh into the window's set.
    void twoStudiesTwoPages() {
        Printing v;
        v.form->PrintLasserClick();
        v.print(v.form->Fopprt1(), 1);
        QVERIFY(v.text().contains(QStringLiteral("pasa por el origen.")));
        v.form->Finforma()->loadStudy(test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                                  {"3.0", "3.2", "5.1", "4.9", "7.2", "6.9"}));
        v.print(v.form->Fopprt1(), 1);
        const QString second = v.text().simplified();
        QVERIFY2(second.contains(QStringLiteral("Pendiente = 1.975")), qPrintable(second));
        QVERIFY(second.contains(QStringLiteral("no pasa por el origen.")));
        v.form->Fopprt1()->close();
    }

    // The printer window opens the options window of the printer chosen.
    void printerWindow_data() {
        QTest::addColumn<int>("printer");
        QTest::addColumn<QString>("opened");
        QTest::newRow("DeskJet") << 0 << "Fopprt";
        QTest::newRow("Laser Jet") << 1 << "Fopprt1";
    }
    void printerWindow() {
        QFETCH(int, printer);
        QFETCH(QString, opened);
        Printing v;
        v.dialogs->onShowModal = [printer](QDialog& window) {
            auto& FOPRT = dynamic_cast<TFOPRT&>(window);
            FOPRT.setSELECPRTIndex(printer);
            FOPRT.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            return FOPRT.result();
        };
        v.form->mnuoprtClick();
        QCOMPARE(v.dialogs->modals, QStringList{"FOPRT"});
        QWidget* window = v.form->findChild<QWidget*>(opened);
        QVERIFY(window->isVisible());
        QCOMPARE(v.form->Fopprt()->isVisible() + v.form->Fopprt1()->isVisible(), 1);
        window->close();
    }

    // "&Vista previa" shows the chosen page before printing; a zero slope shows nothing.
    void preview() {
        Printing v;
        int pages = -1;
        QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
        v.dialogs->onShowModal = [&pages, &zoom](QDialog& window) {
            auto* preview = window.findChild<QPrintPreviewWidget*>();
            preview->updatePreview();
            pages = preview->pageCount();
            zoom = preview->zoomMode();
            return int(QDialog::Rejected);
        };
        v.form->PrintLasserClick();
        v.form->Fopprt1()->setOption(2);
        v.form->Fopprt1()->previewClick();
        QCOMPARE(v.dialogs->modals, QStringList{"PrintPreview"});
        QCOMPARE(pages, 1);
        QCOMPARE(zoom, QPrintPreviewWidget::FitToWidth); // readable, not the whole page shrunk
        QVERIFY(!v.printed());

        v.form->Finforma()->loadStudy(::zeroSlope());
        v.form->Fopprt1()->previewClick();
        QCOMPARE(v.dialogs->modals.size(), 1);
        QCOMPARE(v.dialogs->messages, QStringList{QString::fromUtf8(kZeroSlopeMessage)});
        v.form->Fopprt1()->close();
    }

    // The footer names the study's file and the SHA-256 of its bytes while the study is as it
    // was read or saved; "sin guardar" once it has unsaved typing; the new hash once saved.
    // The PDF written through the print dialog is an archival one.
    void footerTracesTheFile() {
        QTemporaryDir dir;
        const QString study = dir.filePath(QStringLiteral("lote.w02"));
        QFile file(study);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "UV\r\nAna\r\n08/12/2026\r\nmg\r\nAbs\r\n3\r\n2\r\n2\r\n2\r\n1\r\n1\r\n2\r\n2\r\n"
            "3\r\n3\r\n1.0\r\n1.2\r\n2.1\r\n1.9\r\n3.2\r\n2.9\r\n\r\n\r\n\r\n");
        file.close();
        auto sha256 = [&study] {
            QFile f(study);
            f.open(QIODevice::ReadOnly);
            return QString::fromLatin1(
                QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
        };
        test::TestWindow v;
        QVERIFY(v.form->openStudy(study));
        v.form->createStartupWindows();
        const QString pdf = dir.filePath(QStringLiteral("hoja.pdf"));
        v.dialogs->printFile = pdf;
        v.form->PrintLasserClick();
        auto printed = [&] {
            v.form->Fopprt1()->setOption(0);
            v.form->Fopprt1()->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            return test::pdfText(pdf).simplified();
        };
        QVERIFY2(printed().contains("Página 1 de 1 · lote.w02 · SHA-256 " + sha256() + " · "),
                 qPrintable(test::pdfText(pdf)));
        QVERIFY(test::popplerOutput("pdfinfo", {"-meta", pdf}).contains("pdfaid:part=\"1\""));

        QTest::keyClicks(v.box("emetodo"), QStringLiteral(" por UV"));
        QVERIFY(v.form->modified());
        QVERIFY(printed().contains("Página 1 de 1 · sin guardar · "));

        QVERIFY(v.form->FileSave());
        const QString saved = printed();
        QVERIFY(saved.contains("Nombre del Método: UV por UV"));
        QVERIFY(saved.contains(" · lote.w02 · SHA-256 " + sha256() + " · "));
        v.form->Fopprt1()->close();
        v.form->Finforma()->close();
    }

    // With the study window closed, an options window left open prints nothing.
    void withoutAStudy() {
        Printing v;
        v.form->PrintLasserClick();
        v.form->Finforma()->close();
        QTRY_VERIFY(!v.form->Finforma());
        v.print(v.form->Fopprt1(), 0);
        QVERIFY(!v.printed());
        v.form->Fopprt1()->close();
    }

    // The pages name "ARIAL"; fontconfig gives the metric-compatible font scripts/setup
    // installs.
    void arialResolvesToItsMetricCompatibleFont() {
        QImage page(100, 100, QImage::Format_RGB32);
        page.setDotsPerMeterX(23622); // 600 dpi
        page.setDotsPerMeterY(23622);
        Font arial;
        arial.name = "ARIAL";
        arial.height = -100;
        QCOMPARE(QFontInfo(qtFont(arial, &page)).family(), QStringLiteral("Liberation Sans"));
    }
};

QTEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
