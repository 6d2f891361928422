#include "core/results/ResultCopy.h"

#include <QtTest>

using namespace linealidad;

class TestResultCopy : public QObject {
    Q_OBJECT
private slots:
    void inference() {
        const CellRows rows = inferenceCopy({
            "                INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN",
            " ",
            "PENDIENTE =  0.998",
            "LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA = 1.02",
            "t cal = -0.5",
            "",
            "LA RECTA PASA POR EL ORIGEN",
        });
        const CellRows expected = {
            {"INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN"},
            {},
            {"PENDIENTE", "0.998"},
            {"LÍMITE SUPERIOR DEL INTERVALO DE CONFIANZA", "1.02"},
            {"t cal", "-0.5"},
            {},
            {"LA RECTA PASA POR EL ORIGEN"},
        };
        QVERIFY(rows == expected);
    }

    void anova() {
        const CellRows rows =
            anovaCopy({{"         FUENTE", "    GRADOS", ""}, {"REGRESIÓN", "1", "792767"}});
        const CellRows expected = {{"FUENTE", "GRADOS", ""}, {"REGRESIÓN", "1", "792767"}};
        QVERIFY(rows == expected);
    }

    void residuals() {
        const CellRows rows = residualCopy({{
            {"****", "Observación", "           1", "           2"},
            {"****", "Pronóstico para Y", "0.5", "1.5"},
            {"****", "Residuales", "0.01", "-0.01"},
            {"Residuos", "Estudentizados", "1.2", "-1.2"},
        }});
        const CellRows expected = {
            {"Observación", "Pronóstico para Y", "Residuales", "Residuos Estudentizados"},
            {"1", "0.5", "0.01", "1.2"},
            {"2", "1.5", "-0.01", "-1.2"},
        };
        QVERIFY(rows == expected);
    }
};

QTEST_APPLESS_MAIN(TestResultCopy)
#include "tst_resultcopy.moc"
