#include "gui/app/HelpViewer.h"
#include "gui/charts/ImageSizeDialog.h"
#include "gui/charts/TOptionsDlg.h"
#include "gui/charts/TPlotForm.h"
#include "gui/charts/TPlotForm1.h"
#include "gui/common/LabName.h"
#include "gui/common/helpcons.h"
#include "support/CompareNear.h"
#include "support/PdfText.h"
#include "support/PopupMenuKeys.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;
using test::TestWindow;

Q_DECLARE_METATYPE(linealidad::ChartImageFormat)

namespace {

// The result set the main window's commands share, as its windows reach it.
ResultSet& shared(const test::TestWindow& v) {
    return static_cast<ResultHost&>(*v.form).results();
}

// A main window with a study in its study window, and its charts.
struct WithCharts : test::WithStudy {
    explicit WithCharts(const Study& study = test::workedExample()) : WithStudy(study) {
        form->createStartupWindows();
    }

    TPlotForm& chart() const { return *form->PlotForm(); }
    TPlotForm1& residuals() const { return *form->PlotForm1(); }
    TOptionsDlg& options() const { return *form->OptionsDlg(); }

    // The next options dialog is answered by `edit`, which changes its controls, and closed
    // with `result`; every other modal window is shown non-modally.
    void answerOptions(std::function<void(TOptionsDlg&)> edit, int result = QDialog::Accepted) {
        dialogs->onShowModal = [this, edit, result](QDialog& d) {
            if (&d != form->OptionsDlg()) {
                d.show();
                return int(QDialog::Rejected);
            }
            edit(options());
            return result;
        };
    }
};

QLineEdit* edit(TOptionsDlg& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

void chooseGrid(TOptionsDlg& dialog, int index) {
    dialog.findChild<QRadioButton*>(QStringLiteral("ReferenceGroup%1").arg(index))
        ->setChecked(true);
}

void compare(const Curve& curve, const std::vector<PlotPoint>& points) {
    QCOMPARE(curve.count, static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        QCOMPARE(curve.points[i].x, points[i].x);
        QCOMPARE_NEAR(curve.points[i].y, points[i].y, 1e-12);
    }
}

// The pages of a PDF document and the size of its first page, in points.
struct Pdf {
    int pages = 0;
    QSizeF size;
};

Pdf readPdf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    if (!data.startsWith("%PDF"))
        return {};
    Pdf pdf;
    pdf.pages = static_cast<int>(
        QString::fromLatin1(data).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"))
            .match(QString::fromLatin1(data));
    if (box.hasMatch())
        pdf.size = QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble());
    return pdf;
}

// Three quarters of the available screen, never below the Parts' size.
QSize openingSize(const QWidget& chart, QSize smallest) {
    return (chart.screen()->availableGeometry().size() * 3 / 4).expandedTo(smallest);
}

} // namespace

class TestChartWindows : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    // The data as triangles without a line, the fitted value of every row as a solid line with
    // circles, the axes named after the study; closing hides the window and empties the chart.
    void regressionChart() {
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        QCOMPARE(v.dialogs->modals, QStringList{QStringLiteral("PlotForm")});
        QVERIFY(g.isVisible());
        QCOMPARE(g.windowTitle(), QStringLiteral("Gráfica"));
        QCOMPARE(g.minimumSize(), QSize(599, 353));
        QCOMPARE(g.size(), openingSize(g, QSize(599, 353)));
        QVERIFY(g.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(g.PlotterBox()->toolTip(), QStringLiteral("Botón derecho para opciones"));

        const ChartModel& m = g.plot().model();
        compare(m.curve(2), {{1, 1.075}, {1, 1.075}, {2, 2.05}, {2, 2.05}, {3, 3.025}, {3, 3.025}});
        QCOMPARE(m.curve(2).lineStyle, std::uint8_t{3});
        QCOMPARE(m.curve(2).marker, std::uint8_t{1});
        compare(m.curve(1), {{1, 1.0}, {1, 1.2}, {2, 2.1}, {2, 1.9}, {3, 3.2}, {3, 2.9}});
        QCOMPARE(m.curve(1).lineStyle, std::uint8_t{0});
        QCOMPARE(m.curve(1).marker, std::uint8_t{4});
        QCOMPARE(m.curve(3).count, 0);
        QCOMPARE(m.XLabel, std::string("mg"));
        QCOMPARE(m.YLabel, std::string("Absorbancia"));
        QCOMPARE(shared(v).regression.Pendiente, 0.975); // into the shared results

        // Drawn: a black outline round a white field.
        const QImage drawing = g.PlotterBox()->grab().toImage();
        QCOMPARE(drawing.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(drawing.pixelColor(drawing.width() - 1, 100), QColor(Qt::black));
        QCOMPARE(drawing.pixelColor(drawing.width() - 3, 3), QColor(Qt::white));
        QVERIFY(v.dialogs->errors.isEmpty());

        QStringList items;
        for (QAction* a : g.PlotterPopupMenu()->actions())
            items << a->objectName() + QLatin1Char('=') + a->text();
        QCOMPARE(items, QStringList({"Opc=&Opciones", "Imprime=&Imprimir",
                                     "GuardaImagen=&Guardar imagen...", "N1=", "Crr=&Cerrar"}));

        g.CrrClick();
        QVERIFY(!g.isVisible());
        QCOMPARE(g.plot().model().curve(1).count, 0);
        QCOMPARE(g.plot().model().curve(2).count, 0);
        QVERIFY(v.form->PlotForm()); // hidden, not destroyed
    }

    // The pop-up menu opens from the keyboard too: the Menu key and Shift+F10.
    void popupMenuKeys_data() { test::popupMenuKeyRows(); }
    void popupMenuKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        QApplication::setActiveWindow(&g);
        QVERIFY(QTest::qWaitForWindowActive(&g));
        QTest::keyClick(&g, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY_WITH_TIMEOUT(g.PlotterPopupMenu()->isVisible(), 2000);
        g.PlotterPopupMenu()->close();
        g.close();
    }

    void residualsChart() {
        WithCharts v;
        v.form->mnugraphRClick();
        TPlotForm1& g = v.residuals();
        QCOMPARE(v.dialogs->modals, QStringList{QStringLiteral("PlotForm1")});
        QCOMPARE(g.windowTitle(), QStringLiteral("Gráfica (Residuales)"));
        QCOMPARE(g.minimumSize(), QSize(507, 353));
        QCOMPARE(g.size(), openingSize(g, QSize(507, 353)));
        const ChartModel& m = g.plot().model();
        compare(m.curve(2), {{1, 0}, {1, 0}, {2, 0}, {2, 0}, {3, 0}, {3, 0}});
        QCOMPARE(m.curve(2).lineStyle, std::uint8_t{3});
        QCOMPARE(m.curve(2).marker, std::uint8_t{1});
        const std::vector<double>& e = shared(v).residuals.Estudentizado;
        QCOMPARE(e.size(), std::size_t{6});
        compare(m.curve(1), {{1, e[0]}, {1, e[1]}, {2, e[2]}, {2, e[3]}, {3, e[4]}, {3, e[5]}});
        QCOMPARE(m.curve(1).marker, std::uint8_t{4});
        // What is plotted, and of which property: not values of the property itself.
        QCOMPARE(m.YLabel, std::string("Residuo estudentizado (Absorbancia)"));
        QCOMPARE(g.PlotterPopupMenu()->objectName(), QStringLiteral("PlotterPopupMenu1"));
        QVERIFY(g.PlotterPopupMenu()->findChild<QAction*>(QStringLiteral("Opc1")));
        QVERIFY(!g.PlotterBox()->grab().isNull());
        QVERIFY(v.dialogs->errors.isEmpty());
        g.Crr1Click();
    }

    void invalidStudyOpensNothing() {
        Study s = test::workedExample();
        s.stgdatos.setCell(2, 4, "");
        WithCharts v(s);
        v.form->mnugraphClick();
        v.form->mnugraphRClick();
        QCOMPARE(v.dialogs->messages,
                 QStringList(2, QStringLiteral("Falta el dato 4 de la propiedad medida")));
        QVERIFY(v.dialogs->modals.isEmpty());
        QVERIFY(!v.chart().isVisible());
        QVERIFY(!v.residuals().isVisible());
    }

    // Every Y equal: the slope is zero and the residual analysis writes nothing, so there are
    // no residuals to draw; the zero line is drawn alone.
    void zeroSlopeWithoutResiduals() {
        WithCharts v(
            test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"}, {"5", "5", "5", "5", "5", "5"}));
        v.form->mnugraphRClick();
        QVERIFY(shared(v).PendienteCero);
        QCOMPARE(v.residuals().plot().model().curve(2).count, 6);
        QCOMPARE(v.residuals().plot().model().curve(1).count, 0);
        v.residuals().PlotterBox()->grab();
        QCoreApplication::processEvents();
        QVERIFY(v.dialogs->errors.isEmpty());
        v.residuals().close();
    }

    // OK copies title, labels, limits and grid back; Cancel changes nothing. Reopened, the chart
    // keeps its title and has its grid back at "Ninguno" and its limits from the data.
    void optionsOkAndCancel() {
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        g.PlotterBox()->grab(); // the limits of the last drawing go into the dialog
        QString shown;
        v.answerOptions([&](TOptionsDlg& d) {
            shown = edit(d, "XMinEdit")->text() + ' ' + edit(d, "XMaxEdit")->text() + ' ' +
                    edit(d, "YMinEdit")->text() + ' ' + edit(d, "YMaxEdit")->text() + ' ' +
                    edit(d, "XLblEdit")->text();
            edit(d, "TitleEdit")->setText("Linealidad");
            edit(d, "XMinEdit")->setText("1");
            edit(d, "XMaxEdit")->setText("99");
            chooseGrid(d, 3);
        });
        g.OpcClick();
        QCOMPARE(shown, QStringLiteral("1 3 1 3.5 mg"));
        const ChartModel& m = g.plot().model();
        QCOMPARE(m.Title, std::string("Linealidad"));
        QCOMPARE(m.Grid, std::uint8_t{3});
        QCOMPARE(m.StoredLimits.XMin, 1.0);
        QCOMPARE(m.StoredLimits.XMax, 99.0);
        QVERIFY(v.dialogs->errors.isEmpty());

        // The next drawing rounds 1 and 99 to 0 and 100, which the dialog shows.
        g.PlotterBox()->grab();
        v.answerOptions(
            [&](TOptionsDlg& d) {
                shown = edit(d, "XMinEdit")->text() + ' ' + edit(d, "XMaxEdit")->text();
                edit(d, "TitleEdit")->setText("Otro");
                edit(d, "XMinEdit")->setText("50");
                chooseGrid(d, 1);
            },
            QDialog::Rejected);
        g.OpcClick();
        QCOMPARE(shown, QStringLiteral("0 100"));
        QCOMPARE(m.Title, std::string("Linealidad"));
        QCOMPARE(m.Grid, std::uint8_t{3});
        QCOMPARE(m.StoredLimits.XMin, 1.0);

        g.close();
        v.dialogs->onShowModal = nullptr;
        v.form->mnugraphClick();
        g.PlotterBox()->grab();
        QCOMPARE(m.Title, std::string("Linealidad"));
        QCOMPARE(m.Grid, std::uint8_t{0});
        QCOMPARE(m.StoredLimits.XMin, 1.0); // from the data again
        QCOMPARE(m.StoredLimits.XMax, 3.0);
        g.close();
    }

    // A limit that is not a number: the generic error report, and the copy stops there.
    void limitThatIsNoNumber() {
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        g.PlotterBox()->grab();
        const ChartLimits before = g.plot().model().StoredLimits;
        v.answerOptions([](TOptionsDlg& d) {
            edit(d, "TitleEdit")->setText("Nuevo título");
            edit(d, "XMinEdit")->setText("0");
            edit(d, "YMinEdit")->setText("abc");
            edit(d, "XMaxEdit")->setText("10");
            chooseGrid(d, 2);
        });
        g.OpcClick();
        QCOMPARE(v.dialogs->errors,
                 QStringList{QStringLiteral("'abc' is not a valid floating point value.")});
        const ChartModel& m = g.plot().model();
        QCOMPARE(m.Title, std::string("Nuevo título"));
        QCOMPARE(m.StoredLimits.XMin, 0.0);
        QCOMPARE(m.StoredLimits.YMin, before.YMin);
        QCOMPARE(m.StoredLimits.XMax, before.XMax);
        QCOMPARE(m.Grid, std::uint8_t{0});
        g.close();
    }

    // Limits that make an axis of no length: reported once, the box left blank until the
    // chart changes.
    void drawingFailure() {
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        g.PlotterBox()->grab();
        v.answerOptions([](TOptionsDlg& d) {
            edit(d, "XMinEdit")->setText("1e20");
            edit(d, "XMaxEdit")->setText("1e20");
        });
        g.OpcClick();
        for (int i = 0; i < 3; ++i) {
            const QImage drawing = g.PlotterBox()->grab().toImage();
            QCOMPARE(drawing.pixelColor(0, 0), g.palette().color(QPalette::Window));
            QCoreApplication::processEvents();
        }
        QCOMPARE(v.dialogs->errors,
                 QStringList{QStringLiteral("Floating point division by zero.")});

        v.answerOptions([](TOptionsDlg& d) {
            edit(d, "XMinEdit")->setText("0");
            edit(d, "XMaxEdit")->setText("4");
        });
        g.OpcClick();
        QCOMPARE(g.PlotterBox()->grab().toImage().pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(v.dialogs->errors.size(), 1);
        g.close();
    }

    // Each chart keeps its own grid, limits and geometry; only the dialog is shared.
    void independentCharts() {
        WithCharts v;
        v.form->mnugraphClick();
        v.form->mnugraphRClick();
        TPlotForm& g = v.chart();
        TPlotForm1& r = v.residuals();
        g.resize(1600, 1100); // texts in proportion: 1100 / 55
        g.PlotterBox()->grab();
        r.PlotterBox()->grab();
        v.answerOptions([](TOptionsDlg& d) {
            chooseGrid(d, 2);
            edit(d, "YMaxEdit")->setText("10");
        });
        g.OpcClick();
        QCOMPARE(g.plot().model().Grid, std::uint8_t{2});
        QCOMPARE(r.plot().model().Grid, std::uint8_t{0});
        QVERIFY(r.plot().model().StoredLimits.YMax < 3);
        QCOMPARE(g.plot().geometry().TextSize, 20);
        QVERIFY(r.plot().geometry().TextSize < 20);

        v.answerOptions([](TOptionsDlg& d) { chooseGrid(d, 1); });
        r.Opc1Click();
        QCOMPARE(r.plot().model().Grid, std::uint8_t{1});
        QCOMPARE(g.plot().model().Grid, std::uint8_t{2});
        QCOMPARE(g.plot().model().StoredLimits.YMax, 10.0);
        g.close();
        r.close();
    }

    // The options dialog: Enter closes it with OK (even from a title edit), Esc with Cancel.
    void optionsDialog() {
        TestWindow v;
        v.form->createStartupWindows();
        TOptionsDlg& d = *v.form->OptionsDlg();
        QCOMPARE(d.windowTitle(), QStringLiteral("Opciones"));
        QCOMPARE(d.size(), QSize(534, 193));
        QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(edit(d, "TitleEdit")->maxLength(), 60);
        QCOMPARE(edit(d, "XLblEdit")->maxLength(), 60);
        QCOMPARE(edit(d, "YLblEdit")->maxLength(), 40);

        // Opened, it takes typing in its first box.
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), edit(d, "TitleEdit"));
        edit(d, "TitleEdit")->setText("Título");
        QTest::keyClick(edit(d, "TitleEdit"), Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));

        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::keyClick(edit(d, "XLblEdit"), Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    // The title and axis labels are saved with the study: changing them with OK marks it as
    // modified; limits and grid are not saved, and Cancel puts back what the dialog showed.
    void optionsMarkTheStudy_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("marked");
        QTest::newRow("title") << "TitleEdit" << true << true;
        QTest::newRow("X label") << "XLblEdit" << true << true;
        QTest::newRow("Y label") << "YLblEdit" << true << true;
        QTest::newRow("a limit") << "XMinEdit" << true << false;
        QTest::newRow("title, cancelled") << "TitleEdit" << false << false;
    }
    void optionsMarkTheStudy() {
        QFETCH(QString, control);
        QFETCH(bool, ok);
        QFETCH(bool, marked);
        WithCharts v;
        v.form->mnugraphClick();
        v.chart().PlotterBox()->grab();
        QString shown;
        v.answerOptions(
            [&](TOptionsDlg& d) {
                QLineEdit* e = edit(d, control.toLatin1().constData());
                shown = e->text();
                e->setText(QStringLiteral("2"));
                if (!ok)
                    d.reject();
            },
            ok ? QDialog::Accepted : QDialog::Rejected);
        v.chart().OpcClick();
        QCOMPARE(v.form->modified(), marked);
        QCOMPARE(v.form->findChild<QLabel*>("estado")->text(),
                 marked ? QStringLiteral("Modificado") : QString());
        if (!ok)
            QCOMPARE(edit(v.options(), control.toLatin1().constData())->text(), shown);
        v.chart().close();
        v.dialogs->choice = Dialogs::Answer::No;
    }

    // The chart title lines saved with a study are the options dialog's.
    void titlesInTheFile() {
        QTemporaryDir dir;
        WithCharts v;
        v.form->mnugraphClick();
        v.answerOptions([](TOptionsDlg& d) {
            edit(d, "TitleEdit")->setText("Linealidad del sistema");
            edit(d, "XLblEdit")->setText("mg añadidos");
            edit(d, "YLblEdit")->setText("Absorbancia a 254 nm");
        });
        v.chart().OpcClick();
        v.chart().close();
        const QString path = dir.filePath("titulos.w02");
        v.dialogs->saveFileDialog = path;
        QVERIFY(v.form->FileSaveAs());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.value(lines.size() - 4), QByteArray("Linealidad del sistema\r"));
        QCOMPARE(lines.value(lines.size() - 3), QByteArray("mg a\xf1"
                                                           "adidos\r"));
        QCOMPARE(lines.value(lines.size() - 2), QByteArray("Absorbancia a 254 nm\r"));
    }

    // One landscape page through the print dialog (printing to a PDF file); nothing when the
    // dialog is cancelled.
    void printsOnePage() {
        QTemporaryDir dir;
        WithCharts v;
        v.form->mnugraphRClick();
        TPlotForm1& g = v.residuals();
        g.PlotterBox()->grab();
        g.Imprime1Click(); // cancelled
        QVERIFY(QDir(dir.path()).isEmpty());

        v.dialogs->printFile = dir.filePath("residuales.pdf");
        g.Imprime1Click();
        QVERIFY(v.dialogs->errors.isEmpty());
        const Pdf pdf = readPdf(v.dialogs->printFile);
        QCOMPARE(pdf.pages, 1);
        QVERIFY2(pdf.size.width() > pdf.size.height(), "landscape");
        g.close();
    }

    // The lab's name of the preferences heads both charts on screen, on paper and in images;
    // the print-out's footer says the study was not saved (it was typed, not read).
    void labNameHeadsTheCharts() {
        if (!test::havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed: run scripts/setup");
        QTemporaryDir dir;
        saveUserLabName(QStringLiteral("Laboratorio de Control Acme"));
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        QCOMPARE(g.plot().model().LabName, std::string("Laboratorio de Control Acme"));
        v.dialogs->imageFile = dir.filePath("grafica.svg");
        g.GuardaImagenClick();
        QFile svg(v.dialogs->imageFile);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("Laboratorio de Control Acme"));
        g.close();

        v.form->mnugraphRClick();
        v.dialogs->printFile = dir.filePath("residuales.pdf");
        v.residuals().Imprime1Click();
        const QString text = test::pdfText(v.dialogs->printFile);
        QVERIFY2(text.contains("Laboratorio de Control Acme"), qPrintable(text));
        QVERIFY(!text.contains("Orvella"));
        QVERIFY(text.simplified().contains("Página 1 de 1 · sin guardar · Linealidad "));
        v.residuals().close();
        saveUserLabName(QString());
        v.form->mnugraphClick();
        QCOMPARE(g.plot().model().LabName, std::string("Orvella, S.A.P.I. de C.V."));
        g.close();
    }

    // The opening size is kept only for the first opening: later the chart keeps the size the
    // analyst gave it.
    void reopensAtTheSizeLeft() {
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        g.resize(700, 420);
        g.close();
        v.form->mnugraphClick();
        QCOMPARE(g.size(), QSize(700, 420));
        g.close();
    }

    // The file's extension names the form when it names one; otherwise the chosen filter does.
    void imageFormats_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ChartImageFormat>("chosen");
        QTest::addColumn<ChartImageFormat>("format");
        using F = ChartImageFormat;
        QTest::newRow("png") << "g.png" << F::WindowPng << F::WindowPng;
        QTest::newRow("sized png") << "g.png" << F::SizedPng << F::SizedPng;
        QTest::newRow("PNG under the PDF filter") << "g.PNG" << F::Pdf << F::WindowPng;
        QTest::newRow("pdf") << "g.pdf" << F::Pdf << F::Pdf;
        QTest::newRow("pdf under a PNG filter") << "g.pdf" << F::SizedPng << F::Pdf;
        QTest::newRow("svg") << "g.svg" << F::WindowPng << F::Svg;
        QTest::newRow("SVG") << "dir.png/g.SVG" << F::Pdf << F::Svg;
        QTest::newRow("other name") << "g.grafica" << F::Svg << F::Svg;
    }
    void imageFormats() {
        QFETCH(QString, path);
        QFETCH(ChartImageFormat, chosen);
        QFETCH(ChartImageFormat, format);
        QCOMPARE(imageFormatFor(path, chosen), format);
    }

    // The chart as the window shows it, as a PNG of the paint box's size, a one-page PDF or an
    // SVG drawing; or a PNG of the size asked for, 1600 x 1000 unless changed. Written whole or
    // not at all.
    void saveImage() {
        QTemporaryDir dir;
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        g.resize(640, 400);
        g.GuardaImagenClick(); // cancelled
        QCOMPARE(v.dialogs->dialogs.value(0).initialName, QStringLiteral("Gráfica.png"));

        v.dialogs->imageFile = dir.filePath("grafica.png");
        g.GuardaImagenClick();
        const QImage image(v.dialogs->imageFile);
        QCOMPARE(image.size(), g.PlotterBox()->size());
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(image.width() - 3, 3), QColor(Qt::white));
        QCOMPARE(image.dotsPerMeterX(), qRound(96 / 0.0254));

        v.dialogs->imageFile = dir.filePath("grafica.pdf");
        g.GuardaImagenClick();
        const Pdf pdf = readPdf(v.dialogs->imageFile);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.size.toSize(), QSize(480, 300)); // 640 x 400 pixels at 96 per inch

        v.dialogs->imageFile = dir.filePath("grafica.svg");
        g.GuardaImagenClick();
        QFile svg(v.dialogs->imageFile);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray drawing = svg.readAll();
        QVERIFY(drawing.contains("<svg"));
        QVERIFY(drawing.contains("viewBox=\"0 0 640 400\""));
        QVERIFY(drawing.contains("Revis\xc3\xb3")); // the texts stay texts

        v.dialogs->imageFile = dir.filePath("no-existe/grafica.png");
        g.GuardaImagenClick();
        QCOMPARE(v.dialogs->errors.size(), 1);
        g.close();
    }

    void saveImageOfAChosenSize() {
        QTemporaryDir dir;
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        v.dialogs->imageFile = dir.filePath("informe.png");
        v.dialogs->imageFilter = ChartImageFormat::SizedPng;
        QSize offered;
        QWidget* parent = nullptr;
        const auto answer = [&](QSize size, int result) {
            v.dialogs->onShowModal = [&, size, result](QDialog& d) {
                auto* ask = qobject_cast<ImageSizeDialog*>(&d);
                if (!ask)
                    return int(QDialog::Rejected);
                offered = ask->imageSize();
                parent = ask->parentWidget();
                ask->findChild<QSpinBox*>("imageWidth")->setValue(size.width());
                ask->findChild<QSpinBox*>("imageHeight")->setValue(size.height());
                return result;
            };
        };
        answer(QSize(800, 500), QDialog::Rejected);
        g.GuardaImagenClick();
        QCOMPARE(offered, QSize(1600, 1000));
        QCOMPARE(parent, &g);
        QVERIFY(!QFile::exists(v.dialogs->imageFile));

        answer(QSize(800, 500), QDialog::Accepted);
        g.GuardaImagenClick();
        QCOMPARE(QImage(v.dialogs->imageFile).size(), QSize(800, 500));

        answer(QSize(1600, 1000), QDialog::Accepted);
        g.GuardaImagenClick();
        QCOMPARE(offered, QSize(800, 500)); // the last size chosen is offered again
        const QImage report(v.dialogs->imageFile);
        QCOMPARE(report.size(), QSize(1600, 1000));
        QCOMPARE(report.pixelColor(1599, 500), QColor(Qt::black)); // the outline at the size
        g.close();
    }

    // Every window a chart opens is its child, so it opens in front of a chart that stays on
    // top: the shared options dialog becomes the child of the chart that opens it, and help
    // a dialog-type window of the chart (or of the options dialog).
    void dialogsBelongToTheChart() {
        QTemporaryDir dir;
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        QWidget* parent = nullptr;
        v.answerOptions([&](TOptionsDlg& d) { parent = d.parentWidget(); }, QDialog::Rejected);
        g.OpcClick();
        QCOMPARE(parent, &g);
        QVERIFY(v.options().isWindow());

        v.dialogs->imageFile.clear();
        g.GuardaImagenClick();
        v.dialogs->printFile = dir.filePath("grafica.pdf");
        g.ImprimeClick();
        QCOMPARE(v.dialogs->parents, QStringList({"PlotForm", "PlotForm"}));
        g.close();

        v.form->mnugraphRClick();
        TPlotForm1& r = v.residuals();
        r.Opc1Click();
        QCOMPARE(parent, &r);
        r.close();
        QVERIFY(v.form->OptionsDlg()); // still there for the next chart
    }

    // F1 opens the chart's help topic, or the options dialog's, in front of the modal window.
    void help() {
        WithCharts v;
        v.form->mnugraphClick();
        TPlotForm& g = v.chart();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QTest::keyClick(&g, Qt::Key_F1);
        auto* viewer = g.findChild<HelpViewer*>();
        QVERIFY(viewer);
        QCOMPARE(viewer->parentWidget(), &g);
        QCOMPARE(viewer->windowType(), Qt::Dialog);
        QCOMPARE(viewer->currentPage(), QStringLiteral("grafica.html"));
        v.answerOptions([](TOptionsDlg& d) { d.onHelpRequested(help::kChartOptions); },
                        QDialog::Rejected);
        g.OpcClick();
        QCOMPARE(viewer->parentWidget(), v.form->OptionsDlg().data());
        QCOMPARE(viewer->currentPage(), QStringLiteral("opcionesgrafica.html"));
        QVERIFY(viewer->isVisible());
        viewer->close();

        // From the main window help is an ordinary window again.
        g.close();
        v.form->HelpContents();
        QCOMPARE(viewer->parentWidget(), v.form.get());
        QCOMPARE(viewer->windowType(), Qt::Window);
        viewer->close();
    }
};

QTEST_MAIN(TestChartWindows)
#include "tst_chartwindows.moc"
