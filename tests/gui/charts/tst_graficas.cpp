#include "app/VisorAyuda.h"
#include "app/helpcons.h"
#include "charts/TOptionsDlg.h"
#include "charts/TPlotForm.h"
#include "charts/TPlotForm1.h"
#include "gui/support/VentanaDePrueba.h"
#include "support/EstudiosDePrueba.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;
using prueba::VentanaDePrueba;

namespace {

// A main window with a study in its study window, and its charts.
struct ConGraficas : prueba::ConEstudio {
    using ConEstudio::ConEstudio;

    TPlotForm& grafica() const { return *form->PlotForm; }
    TPlotForm1& residuales() const { return *form->PlotForm1; }
    TOptionsDlg& opciones() const { return *form->OptionsDlg; }

    // The next options dialog is answered by `edita`, which changes its controls, and closed
    // with `resultado`; every other modal window is shown non-modally.
    void respondeOpciones(std::function<void(TOptionsDlg&)> edita,
                          int resultado = QDialog::Accepted) {
        dialogos->alMostrarModal = [this, edita, resultado](QDialog& d) {
            if (&d != form->OptionsDlg) {
                d.show();
                return int(QDialog::Rejected);
            }
            edita(opciones());
            return resultado;
        };
    }
};

QLineEdit* edit(TOptionsDlg& dialogo, const char* nombre) {
    return dialogo.findChild<QLineEdit*>(QString::fromLatin1(nombre));
}

void eligeGrid(TOptionsDlg& dialogo, int indice) {
    dialogo.findChild<QRadioButton*>(QStringLiteral("ReferenceGroup%1").arg(indice))
        ->setChecked(true);
}

void compara(const Curve& curva, const std::vector<PlotPoint>& puntos) {
    QCOMPARE(curva.count, static_cast<int>(puntos.size()));
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        QCOMPARE(curva.points[i].x, puntos[i].x);
        QVERIFY2(qFuzzyCompare(curva.points[i].y + 1, puntos[i].y + 1),
                 qPrintable(QString::number(i)));
    }
}

// The pages of a PDF document and the size of its first page, in points.
struct Pdf {
    int paginas = 0;
    QSizeF tamano;
};

Pdf leePdf(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray datos = f.readAll();
    if (!datos.startsWith("%PDF"))
        return {};
    Pdf pdf;
    pdf.paginas = static_cast<int>(
        QString::fromLatin1(datos).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    const QRegularExpressionMatch caja =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"))
            .match(QString::fromLatin1(datos));
    if (caja.hasMatch())
        pdf.tamano = QSizeF(caja.captured(1).toDouble(), caja.captured(2).toDouble());
    return pdf;
}

} // namespace

class TestGraficas : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(prueba::sinVentanasSueltas()); }

    // The data as triangles without a line, the fitted value of every row as a solid line with
    // circles, the axes named after the study; closing hides the window and empties the chart.
    void graficaDeRegresion() {
        ConGraficas v;
        v.form->mnugraphClick();
        TPlotForm& g = v.grafica();
        QCOMPARE(v.dialogos->modales, QStringList{QStringLiteral("PlotForm")});
        QVERIFY(g.isVisible());
        QCOMPARE(g.windowTitle(), QStringLiteral("Gráfica"));
        QCOMPARE(g.size(), QSize(599, 353));
        QVERIFY(g.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(g.PlotterBox()->toolTip(), QStringLiteral("Botón derecho para opciones"));

        const ChartModel& m = g.plot().model();
        compara(m.curve(2), {{1, 1.075}, {1, 1.075}, {2, 2.05}, {2, 2.05}, {3, 3.025}, {3, 3.025}});
        QCOMPARE(m.curve(2).lineStyle, std::uint8_t{3});
        QCOMPARE(m.curve(2).marker, std::uint8_t{1});
        compara(m.curve(1), {{1, 1.0}, {1, 1.2}, {2, 2.1}, {2, 1.9}, {3, 3.2}, {3, 2.9}});
        QCOMPARE(m.curve(1).lineStyle, std::uint8_t{0});
        QCOMPARE(m.curve(1).marker, std::uint8_t{4});
        QCOMPARE(m.curve(3).count, 0);
        QCOMPARE(m.XLabel, std::string("mg"));
        QCOMPARE(m.YLabel, std::string("Absorbancia"));
        QCOMPARE(v.form->regresion.Pendiente, 0.975); // into the shared results

        // Drawn: a black outline round a white field.
        const QImage dibujo = g.PlotterBox()->grab().toImage();
        QCOMPARE(dibujo.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(dibujo.pixelColor(dibujo.width() - 1, 100), QColor(Qt::black));
        QCOMPARE(dibujo.pixelColor(dibujo.width() - 3, 3), QColor(Qt::white));
        QVERIFY(v.dialogos->errores.isEmpty());

        QStringList items;
        for (QAction* a : g.PlotterPopupMenu()->actions())
            items << a->objectName() + QLatin1Char('=') + a->text();
        QCOMPARE(items, QStringList({"Opc=&Opciones", "Imprime=&Imprimir",
                                     "GuardaImagen=&Guardar imagen...", "N1=", "Crr=&Cerrar"}));

        g.CrrClick();
        QVERIFY(!g.isVisible());
        QCOMPARE(g.plot().model().curve(1).count, 0);
        QCOMPARE(g.plot().model().curve(2).count, 0);
        QVERIFY(v.form->PlotForm); // hidden, not destroyed
    }

    void graficaDeResiduales() {
        ConGraficas v;
        v.form->mnugraphRClick();
        TPlotForm1& g = v.residuales();
        QCOMPARE(v.dialogos->modales, QStringList{QStringLiteral("PlotForm1")});
        QCOMPARE(g.windowTitle(), QStringLiteral("Gráfica (Residuales)"));
        QCOMPARE(g.size(), QSize(507, 353));
        const ChartModel& m = g.plot().model();
        compara(m.curve(2), {{1, 0}, {1, 0}, {2, 0}, {2, 0}, {3, 0}, {3, 0}});
        QCOMPARE(m.curve(2).lineStyle, std::uint8_t{3});
        QCOMPARE(m.curve(2).marker, std::uint8_t{1});
        const std::vector<double>& e = v.form->residuales.Estudentizado;
        QCOMPARE(e.size(), std::size_t{6});
        compara(m.curve(1), {{1, e[0]}, {1, e[1]}, {2, e[2]}, {2, e[3]}, {3, e[4]}, {3, e[5]}});
        QCOMPARE(m.curve(1).marker, std::uint8_t{4});
        QCOMPARE(m.YLabel, std::string("Absorbancia")); // the property, not "residual"
        QCOMPARE(g.PlotterPopupMenu()->objectName(), QStringLiteral("PlotterPopupMenu1"));
        QVERIFY(g.PlotterPopupMenu()->findChild<QAction*>(QStringLiteral("Opc1")));
        QVERIFY(!g.PlotterBox()->grab().isNull());
        QVERIFY(v.dialogos->errores.isEmpty());
        g.Crr1Click();
    }

    void estudioInvalidoNoAbreNada() {
        Study s = prueba::ejemploTrabajado();
        s.stgdatos.setCell(2, 4, "");
        ConGraficas v(s);
        v.form->mnugraphClick();
        v.form->mnugraphRClick();
        QCOMPARE(v.dialogos->mensajes,
                 QStringList(2, QStringLiteral("Falta el dato 4 de la propiedad medida")));
        QVERIFY(v.dialogos->modales.isEmpty());
        QVERIFY(!v.grafica().isVisible());
        QVERIFY(!v.residuales().isVisible());
    }

    // Every Y equal: the slope is zero and the residual analysis writes nothing, so there are
    // no residuals to draw; the zero line is drawn alone.
    void pendienteCeroSinResiduales() {
        ConGraficas v(prueba::estudio({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                      {"5", "5", "5", "5", "5", "5"}));
        v.form->mnugraphRClick();
        QVERIFY(v.form->PendienteCero);
        QCOMPARE(v.residuales().plot().model().curve(2).count, 6);
        QCOMPARE(v.residuales().plot().model().curve(1).count, 0);
        v.residuales().PlotterBox()->grab();
        QCoreApplication::processEvents();
        QVERIFY(v.dialogos->errores.isEmpty());
        v.residuales().close();
    }

    // OK copies title, labels, limits and grid back; Cancel changes nothing. Reopened, the chart
    // keeps its title and has its grid back at "Ninguno" and its limits from the data.
    void opcionesOkYCancelar() {
        ConGraficas v;
        v.form->mnugraphClick();
        TPlotForm& g = v.grafica();
        g.PlotterBox()->grab(); // the limits of the last drawing go into the dialog
        QString mostrado;
        v.respondeOpciones([&](TOptionsDlg& d) {
            mostrado = edit(d, "XMinEdit")->text() + ' ' + edit(d, "XMaxEdit")->text() + ' ' +
                       edit(d, "YMinEdit")->text() + ' ' + edit(d, "YMaxEdit")->text() + ' ' +
                       edit(d, "XLblEdit")->text();
            edit(d, "TitleEdit")->setText("Linealidad");
            edit(d, "XMinEdit")->setText("1");
            edit(d, "XMaxEdit")->setText("99");
            eligeGrid(d, 3);
        });
        g.OpcClick();
        QCOMPARE(mostrado, QStringLiteral("1 3 1 3.5 mg"));
        const ChartModel& m = g.plot().model();
        QCOMPARE(m.Title, std::string("Linealidad"));
        QCOMPARE(m.Grid, std::uint8_t{3});
        QCOMPARE(m.StoredLimits.XMin, 1.0);
        QCOMPARE(m.StoredLimits.XMax, 99.0);
        QVERIFY(v.dialogos->errores.isEmpty());

        // The next drawing rounds 1 and 99 to 0 and 100, which the dialog shows.
        g.PlotterBox()->grab();
        v.respondeOpciones(
            [&](TOptionsDlg& d) {
                mostrado = edit(d, "XMinEdit")->text() + ' ' + edit(d, "XMaxEdit")->text();
                edit(d, "TitleEdit")->setText("Otro");
                edit(d, "XMinEdit")->setText("50");
                eligeGrid(d, 1);
            },
            QDialog::Rejected);
        g.OpcClick();
        QCOMPARE(mostrado, QStringLiteral("0 100"));
        QCOMPARE(m.Title, std::string("Linealidad"));
        QCOMPARE(m.Grid, std::uint8_t{3});
        QCOMPARE(m.StoredLimits.XMin, 1.0);

        g.close();
        v.dialogos->alMostrarModal = nullptr;
        v.form->mnugraphClick();
        g.PlotterBox()->grab();
        QCOMPARE(m.Title, std::string("Linealidad"));
        QCOMPARE(m.Grid, std::uint8_t{0});
        QCOMPARE(m.StoredLimits.XMin, 1.0); // from the data again
        QCOMPARE(m.StoredLimits.XMax, 3.0);
        g.close();
    }

    // A limit that is not a number: the generic error report, and the copy stops there.
    void limiteQueNoEsNumero() {
        ConGraficas v;
        v.form->mnugraphClick();
        TPlotForm& g = v.grafica();
        g.PlotterBox()->grab();
        const ChartLimits antes = g.plot().model().StoredLimits;
        v.respondeOpciones([](TOptionsDlg& d) {
            edit(d, "TitleEdit")->setText("Nuevo título");
            edit(d, "XMinEdit")->setText("0");
            edit(d, "YMinEdit")->setText("abc");
            edit(d, "XMaxEdit")->setText("10");
            eligeGrid(d, 2);
        });
        g.OpcClick();
        QCOMPARE(v.dialogos->errores,
                 QStringList{QStringLiteral("'abc' is not a valid floating point value.")});
        const ChartModel& m = g.plot().model();
        QCOMPARE(m.Title, std::string("Nuevo título"));
        QCOMPARE(m.StoredLimits.XMin, 0.0);
        QCOMPARE(m.StoredLimits.YMin, antes.YMin);
        QCOMPARE(m.StoredLimits.XMax, antes.XMax);
        QCOMPARE(m.Grid, std::uint8_t{0});
        g.close();
    }

    // Limits that make an axis of no length: reported once, the box left blank until the
    // chart changes.
    void falloAlDibujar() {
        ConGraficas v;
        v.form->mnugraphClick();
        TPlotForm& g = v.grafica();
        g.PlotterBox()->grab();
        v.respondeOpciones([](TOptionsDlg& d) {
            edit(d, "XMinEdit")->setText("1e20");
            edit(d, "XMaxEdit")->setText("1e20");
        });
        g.OpcClick();
        for (int i = 0; i < 3; ++i) {
            const QImage dibujo = g.PlotterBox()->grab().toImage();
            QCOMPARE(dibujo.pixelColor(0, 0), g.palette().color(QPalette::Window));
            QCoreApplication::processEvents();
        }
        QCOMPARE(v.dialogos->errores,
                 QStringList{QStringLiteral("Floating point division by zero.")});

        v.respondeOpciones([](TOptionsDlg& d) {
            edit(d, "XMinEdit")->setText("0");
            edit(d, "XMaxEdit")->setText("4");
        });
        g.OpcClick();
        QCOMPARE(g.PlotterBox()->grab().toImage().pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(v.dialogos->errores.size(), 1);
        g.close();
    }

    // Each chart keeps its own grid, limits and geometry; only the dialog is shared.
    void graficasIndependientes() {
        ConGraficas v;
        v.form->mnugraphClick();
        v.form->mnugraphRClick();
        TPlotForm& g = v.grafica();
        TPlotForm1& r = v.residuales();
        g.resize(800, 500);
        g.PlotterBox()->grab();
        r.PlotterBox()->grab();
        v.respondeOpciones([](TOptionsDlg& d) {
            eligeGrid(d, 2);
            edit(d, "YMaxEdit")->setText("10");
        });
        g.OpcClick();
        QCOMPARE(g.plot().model().Grid, std::uint8_t{2});
        QCOMPARE(r.plot().model().Grid, std::uint8_t{0});
        QVERIFY(r.plot().model().StoredLimits.YMax < 3);
        QCOMPARE(g.plot().geometry().TextSize, 500 / 55);
        QCOMPARE(r.plot().geometry().TextSize, 353 / 55);

        v.respondeOpciones([](TOptionsDlg& d) { eligeGrid(d, 1); });
        r.Opc1Click();
        QCOMPARE(r.plot().model().Grid, std::uint8_t{1});
        QCOMPARE(g.plot().model().Grid, std::uint8_t{2});
        QCOMPARE(g.plot().model().StoredLimits.YMax, 10.0);
        g.close();
        r.close();
    }

    // The options dialog: Enter closes it with OK (even from a title edit), Esc with Cancel.
    void dialogoDeOpciones() {
        VentanaDePrueba v;
        TOptionsDlg& d = *v.form->OptionsDlg;
        QCOMPARE(d.windowTitle(), QStringLiteral("Opciones"));
        QCOMPARE(d.size(), QSize(534, 193));
        QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(edit(d, "TitleEdit")->maxLength(), 60);
        QCOMPARE(edit(d, "XLblEdit")->maxLength(), 60);
        QCOMPARE(edit(d, "YLblEdit")->maxLength(), 40);

        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
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

    // The chart title lines saved with a study are the options dialog's.
    void titulosEnElArchivo() {
        QTemporaryDir dir;
        ConGraficas v;
        v.form->mnugraphClick();
        v.respondeOpciones([](TOptionsDlg& d) {
            edit(d, "TitleEdit")->setText("Linealidad del sistema");
            edit(d, "XLblEdit")->setText("mg añadidos");
            edit(d, "YLblEdit")->setText("Absorbancia a 254 nm");
        });
        v.grafica().OpcClick();
        v.grafica().close();
        const QString ruta = dir.filePath("titulos.w02");
        v.dialogos->archivoGuardar = ruta;
        QVERIFY(v.form->FileSaveAs());
        QFile f(ruta);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lineas = f.readAll().split('\n');
        QCOMPARE(lineas.value(lineas.size() - 4), QByteArray("Linealidad del sistema\r"));
        QCOMPARE(lineas.value(lineas.size() - 3), QByteArray("mg a\xf1"
                                                             "adidos\r"));
        QCOMPARE(lineas.value(lineas.size() - 2), QByteArray("Absorbancia a 254 nm\r"));
    }

    // One landscape page through the print dialog (printing to a PDF file); nothing when the
    // dialog is cancelled.
    void imprimeUnaPagina() {
        QTemporaryDir dir;
        ConGraficas v;
        v.form->mnugraphRClick();
        TPlotForm1& g = v.residuales();
        g.PlotterBox()->grab();
        g.Imprime1Click(); // cancelled
        QVERIFY(QDir(dir.path()).isEmpty());

        v.dialogos->archivoImpresion = dir.filePath("residuales.pdf");
        g.Imprime1Click();
        QVERIFY(v.dialogos->errores.isEmpty());
        const Pdf pdf = leePdf(v.dialogos->archivoImpresion);
        QCOMPARE(pdf.paginas, 1);
        QVERIFY2(pdf.tamano.width() > pdf.tamano.height(), "landscape");
        g.close();
    }

    // The chart as the window shows it: a PNG of the paint box's size, or a one-page PDF.
    void guardaImagen() {
        QTemporaryDir dir;
        ConGraficas v;
        v.form->mnugraphClick();
        TPlotForm& g = v.grafica();
        g.resize(640, 400);
        g.GuardaImagenClick(); // cancelled
        QCOMPARE(v.dialogos->dialogos.value(0).nombreInicial, QStringLiteral("Gráfica.png"));

        v.dialogos->archivoImagen = dir.filePath("grafica.png");
        g.GuardaImagenClick();
        const QImage imagen(v.dialogos->archivoImagen);
        QCOMPARE(imagen.size(), g.PlotterBox()->size());
        QCOMPARE(imagen.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(imagen.pixelColor(imagen.width() - 3, 3), QColor(Qt::white));

        v.dialogos->archivoImagen = dir.filePath("grafica.pdf");
        g.GuardaImagenClick();
        const Pdf pdf = leePdf(v.dialogos->archivoImagen);
        QCOMPARE(pdf.paginas, 1);
        QCOMPARE(pdf.tamano.toSize(), QSize(480, 300)); // 640 x 400 pixels at 96 per inch

        v.dialogos->archivoImagen = dir.filePath("no-existe/grafica.png");
        g.GuardaImagenClick();
        QCOMPARE(v.dialogos->errores.size(), 1);
        g.close();
    }

    // F1 opens the chart's help topic, or the options dialog's, beside the modal window.
    void ayuda() {
        ConGraficas v;
        v.form->mnugraphClick();
        TPlotForm& g = v.grafica();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QTest::keyClick(&g, Qt::Key_F1);
        auto* visor = g.findChild<VisorAyuda*>();
        QVERIFY(visor);
        QCOMPARE(visor->paginaActual(), QStringLiteral("grafica.html"));
        v.opciones().alPedirAyuda(ayuda::kOpcionesGrafica);
        QCOMPARE(visor->paginaActual(), QStringLiteral("opcionesgrafica.html"));
        QVERIFY(visor->isVisible());
        visor->close();
        g.close();
    }
};

QTEST_MAIN(TestGraficas)
#include "tst_graficas.moc"
