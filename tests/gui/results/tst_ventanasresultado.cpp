#include "gui/support/VentanaDePrueba.h"
#include "results/Inferencia.h"
#include "results/TFinfo.h"
#include "results/TfinfoA.h"
#include "results/TfinfoR.h"
#include "results/Tfrminforme.h"
#include "support/EstudiosDePrueba.h"
#include "widgets/StringGridView.h"

#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace linealidad;
using prueba::ConEstudio;
using prueba::VentanaDePrueba;

namespace {

// Every level's replicates identical: the pure-error mean square is zero.
Study replicasIdenticas() {
    return prueba::estudio({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                           {"1", "1", "2.5", "2.5", "3", "3"});
}

Study pendienteCero() {
    return prueba::estudio({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                           {"4", "4.5", "4", "4.5", "4", "4.5"});
}

QStringList lineas(const QString& texto) {
    return texto.split(QLatin1Char('\n'));
}

} // namespace

class TestVentanasResultado : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(prueba::sinVentanasSueltas()); }

    void inferenciaDelEjemplo() {
        ConEstudio v;
        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo);
        const QStringList texto = lineas(v.form->Finfo->texto());
        QCOMPARE(texto.size(), 15);
        QCOMPARE(texto[2], QStringLiteral("PENDIENTE =  0.975"));
        QCOMPARE(texto[6], QStringLiteral("ORDENADA AL ORIGEN = 0.1"));
        QCOMPARE(texto[13], QString());
        QCOMPARE(texto[14],
                 QStringLiteral(
                     "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN."));
        QCOMPARE(v.form->Finfo->windowTitle(),
                 QStringLiteral("Linealidad y Precisión del Sistema"));
        QCOMPARE(v.form->Finfo->size(), QSize(595, 342));

        TFinfo* primera = v.form->Finfo;
        v.form->mnuinferenciaClick();
        QVERIFY(v.form->Finfo != primera);
        QCOMPARE(v.form->Finfo->texto(), primera->texto());
        QCOMPARE(v.ventanas(), 3);
    }

    void pendienteCeroNoAbreVentana() {
        ConEstudio v(pendienteCero());
        for (auto comando : {&TMainForm::mnuinferenciaClick, &TMainForm::mnuanovaClick,
                             &TMainForm::mnuresidClick, &TMainForm::mnuinformeClick})
            (v.form.get()->*comando)();
        QCOMPARE(
            v.dialogos->mensajes,
            QStringList(4, QStringLiteral("La pendiente es cero, imposible realizar cálculos.")));
        QCOMPARE(v.ventanas(), 1);
    }

    void estudioInvalidoNoAbreVentana() {
        Study s = prueba::ejemploTrabajado();
        s.stgdatos.setCell(1, 2, "");
        ConEstudio v(s);
        v.form->mnuanovaClick();
        v.form->mnuinformeClick();
        QCOMPARE(v.dialogos->mensajes.size(), 2);
        QCOMPARE(v.dialogos->mensajes[0],
                 QStringLiteral("Falta el dato 2 de la cantidad adicionada"));
        QCOMPARE(v.ventanas(), 1);
    }

    void falloDespuesDeAbrirLaVentana() {
        ConEstudio v(replicasIdenticas());
        v.form->mnuinferenciaClick();
        QCOMPARE(v.dialogos->errores,
                 QStringList{QStringLiteral("Floating point division by zero.")});
        QVERIFY(v.form->Finfo);
        const QStringList texto = lineas(v.form->Finfo->texto());
        QCOMPARE(texto.size(), 14); // thirteen lines and the memo's empty line
        QCOMPARE(texto[13], QString());

        v.form->mnuinformeClick();
        QVERIFY(v.form->frminforme);
        const QStringList informe = lineas(v.form->frminforme->texto());
        QCOMPARE(informe.size(), 29 + 3 + 6); // lines 1 to 31: one per level, one per observation
        QCOMPARE(informe.back(), QStringLiteral(" "));

        v.form->mnuanovaClick(); // the fault comes before its window
        QVERIFY(!v.form->finfoA);
        QCOMPARE(v.dialogos->errores.size(), 3);
    }

    void ajustePerfectoNoAbreVentana() {
        ConEstudio v(prueba::estudio({1, 1, 1}, {"1", "2", "3"}, {"2", "4", "6"}));
        v.form->mnuinferenciaClick();
        QCOMPARE(v.dialogos->errores,
                 QStringList{QStringLiteral("Floating point division by zero.")});
        QVERIFY(!v.form->Finfo);
    }

    void laUltimaVentanaReactivaNuevo() {
        ConEstudio v;
        v.form->aplica(EventoEstudio::EntraRejillaDatos);
        v.form->mnuanovaClick();
        QPointer<TfinfoA> anova = v.form->finfoA;
        v.form->Finforma->close();
        QTRY_VERIFY(!v.form->Finforma);
        QVERIFY(!v.activo("FileNewItem"));
        QVERIFY(!v.activo("mnuanova"));
        anova->close();
        QTRY_VERIFY(!anova);
        QVERIFY(v.activo("FileNewItem"));
        QVERIFY(v.activo("FileOpenItem"));
        QVERIFY(!v.activo("mnuclose"));
    }

    void tablaAnovaDelEjemplo() {
        ConEstudio v;
        v.form->mnuanovaClick();
        TfinfoA* a = v.form->finfoA;
        QVERIFY(a);
        QCOMPARE(a->celdas().cell(0, 3), std::string("REGRESIÓN"));
        QCOMPARE(a->celdas().cell(4, 3), std::string("164.432"));
        QCOMPARE(a->celdas().cell(5, 3), std::string("0.000898959"));
        QCOMPARE(a->celdas().cell(1, 5), std::string("1"));
        auto* rejilla = a->findChild<StringGridView*>("stganova");
        QCOMPARE(rejilla->columnWidth(0), 170);
        QCOMPARE(rejilla->columnWidth(1), 100);
        QVERIFY(a->oraciones().startsWith(
            QStringLiteral("EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia\nEL MODELO "
                           "LINEAL REPRESENTA")));
    }

    void tabEnLaTablaAnova() {
        ConEstudio v;
        v.form->mnuanovaClick();
        auto* rejilla = v.form->finfoA->findChild<StringGridView*>("stganova");
        rejilla->setFocus();
        rejilla->setCurrentCell(4, 6);
        QTest::keyClick(rejilla, Qt::Key_Tab); // to the last cell: Tab now leaves the grid
        QCOMPARE(rejilla->col(), 5);
        QVERIFY(!rejilla->tabMovesBetweenCells());
        rejilla->setCurrentCell(5, 2); // a key in the last column, not in the last row
        QTest::keyClick(rejilla, Qt::Key_A);
        QVERIFY(rejilla->tabMovesBetweenCells());
        QTest::keyClick(rejilla, Qt::Key_Tab);
        QCOMPARE(rejilla->col(), 0);
        QCOMPARE(rejilla->row(), 3);
    }

    void residualesVisibles() {
        ConEstudio v;
        v.form->mnuresidClick();
        TfinfoR* r = v.form->finfoR;
        QVERIFY(r);
        QCOMPARE(lineas(r->columna(0))[2], QStringLiteral("           1"));
        QCOMPARE(lineas(r->columna(3))[0], QStringLiteral("Residuos"));
        QCOMPARE(lineas(r->columna(3))[2], QStringLiteral("-0.645746"));
    }

    void cientoCincuentaResidualesCaben() {
        std::vector<int> replicas(10, 15);
        std::vector<std::string> x, y;
        for (int i = 1; i <= 10; ++i)
            for (int k = 0; k < 15; ++k) {
                x.push_back(std::to_string(i));
                y.push_back(std::to_string(2 * i + (k % 5 - 2) * 0.1 + (i % 3) * 0.05));
            }
        ConEstudio v(prueba::estudio(replicas, x, y));
        v.form->mnuresidClick();
        TfinfoR* r = v.form->finfoR;
        QVERIFY(r);
        for (auto* memo : r->findChildren<QPlainTextEdit*>()) {
            QCOMPARE(memo->blockCount(), 152);
            // No line is cut off: the memo holds them all without scrolling.
            QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
        }
        QVERIFY(r->findChild<QScrollArea*>()->verticalScrollBar()->maximum() > 0);
    }

    void informeSeCierraConTeclaOClic() {
        ConEstudio v;
        v.form->mnuinformeClick();
        QPointer<Tfrminforme> uno = v.form->frminforme;
        v.form->mnuinformeClick();
        QPointer<Tfrminforme> dos = v.form->frminforme;
        QVERIFY(uno && dos && uno != dos);
        QVERIFY(lineas(uno->texto()).contains(QStringLiteral("ANÁLISIS DE RESIDUALES")));

        QScrollBar* barra = uno->mminforme()->verticalScrollBar();
        QTest::mouseClick(barra, Qt::LeftButton, {},
                          QPoint(barra->width() / 2, barra->height() - 5));
        QCoreApplication::processEvents();
        QVERIFY(uno);
        QVERIFY(barra->value() > 0);

        QTest::mouseClick(uno->mminforme()->viewport(), Qt::LeftButton);
        QTRY_VERIFY(!uno);
        QVERIFY(dos);
        QTest::keyClick(dos->mminforme(), Qt::Key_Space);
        QTRY_VERIFY(!dos);
    }
};

QTEST_MAIN(TestVentanasResultado)
#include "tst_ventanasresultado.moc"
