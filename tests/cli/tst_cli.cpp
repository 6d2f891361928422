#include "support/TextosDelEjemplo.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <locale.h>

namespace {

struct Resultado {
    int estado = -1;
    QString salida;  // standard output
    QString errores; // standard error
};

Resultado ejecuta(const QStringList& argumentos, const QString& locale = "C.UTF-8") {
    QProcess proceso;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert("LC_ALL", locale);
    proceso.setProcessEnvironment(entorno);
    proceso.start(LINEALIDAD_CLI, argumentos);
    if (!proceso.waitForFinished(10000))
        qFatal("linealidad-cli did not finish");
    return {proceso.exitCode(), QString::fromUtf8(proceso.readAllStandardOutput()),
            QString::fromUtf8(proceso.readAllStandardError())};
}

QString ejemplo(const QString& nombre) {
    return QString(LINEALIDAD_EJEMPLOS) + "/" + nombre;
}

// Lines as the tool prints them: each ended by "\n".
QString lineas(const QStringList& l) {
    return l.join('\n') + '\n';
}

// A study file with three levels of two replicates and the given X and Y texts.
QString escribeEstudio(const QTemporaryDir& dir, const QString& nombre, const QStringList& x,
                       const QStringList& y, const QString& niveles = "3",
                       const QStringList& replicas = {"2", "2", "2"}) {
    const QStringList contenido =
        QStringList{"Método", "Analista", "01/01/2026", "mg", "Abs", niveles} + replicas + x + y +
        QStringList{"", "", ""};
    const QString ruta = dir.filePath(nombre);
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write a study file");
    f.write(contenido.join("\r\n").toUtf8() + "\r\n");
    return ruta;
}

const QStringList kX{"1", "1", "2", "2", "3", "3"};

const QStringList kInferencia =
    linealidad::prueba::lineasInferenciaDelEjemplo() +
    QStringList{
        "",
        "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN.",
    };

const QString kPendienteCero = "La pendiente es cero, imposible realizar cálculos.\n";

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

private slots:
    void inferencia() {
        const Resultado r = ejecuta({"inferencia", ejemplo("ejemplo-trabajado.w02")});
        QCOMPARE(r.estado, 0);
        QCOMPARE(r.salida, lineas(kInferencia));
        QCOMPARE(r.errores, QString());
    }

    void anova() {
        const Resultado r = ejecuta({"anova", ejemplo("ejemplo-trabajado.w02")});
        QCOMPARE(r.estado, 0);
        QCOMPARE(
            r.salida,
            lineas({"         FUENTE\t    GRADOS\t      SUMA\t     MEDIA\t\t",
                    "             DE\t        DE\t        DE\t        DE\t      fcal\t     Pfcal",
                    "      VARIACIÓN\t  LIBERTAD\t CUADRADOS\t CUADRADOS\t\t",
                    "REGRESIÓN\t1\t3.8025\t3.8025\t164.432\t0.000898959",
                    "ERROR DE REGRESIÓN\t4\t0.0925\t0.023125\t\t",
                    "FALTA DE AJUSTE\t1\t0.0075\t0.0075\t0.264706\t0.642406",
                    "ERROR PURO\t3\t0.085\t0.0283333\t\t",
                    "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia",
                    "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg Y "
                    "Absorbancia"}));
    }

    void residuales() {
        const Resultado r = ejecuta({"residuales", ejemplo("ejemplo-trabajado.w02")});
        QCOMPARE(r.estado, 0);
        QCOMPARE(
            r.salida,
            lineas({"****\t****\t****\tResiduos",
                    "Observación\tPronóstico para Y\tResiduales\tEstudentizados",
                    "           1\t1.075\t-0.075\t-0.645746", "           2\t1.075\t0.125\t1.07624",
                    "           3\t2.05\t0.05\t0.36018", "           4\t2.05\t-0.15\t-1.08054",
                    "           5\t3.025\t0.175\t1.50674",
                    "           6\t3.025\t-0.125\t-1.07624"}));
    }

    void informe() {
        const Resultado r = ejecuta({"informe", ejemplo("ejemplo-trabajado.w02")});
        QCOMPARE(r.estado, 0);
        QVERIFY(r.salida.endsWith('\n'));
        const QStringList l = r.salida.chopped(1).split('\n');
        QCOMPARE(l.size(), 79);
        QCOMPARE(l.first(), QString("LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN"));
        // Read from a file: each data line starts with the row's level label.
        QCOMPARE(l.at(17), QString("          1           1            1.0"));
        QCOMPARE(l.mid(24, 13), kInferencia.mid(0, 13));
        QCOMPARE(l.at(38), kInferencia.last());
        QCOMPARE(l.at(47), QString("Pfcal = 0.000898959"));
        QCOMPARE(l.last(), QString("          6                       3.025                       "
                                   " -0.125                        -1.07624"));
    }

    void todosLosEjemplos_data() {
        QTest::addColumn<QString>("archivo");
        for (const char* f : {"ejemplo-trabajado.w02", "valoracion-80-120.w02", "una-replica.w02",
                              "siete-niveles.txt"})
            QTest::newRow(f) << QString(f);
    }
    void todosLosEjemplos() {
        QFETCH(QString, archivo);
        for (const char* vista : {"informe", "inferencia", "anova", "residuales"}) {
            const Resultado r = ejecuta({vista, ejemplo(archivo)});
            QCOMPARE(r.errores, QString());
            QCOMPARE(r.estado, 0);
        }
    }

    void comaDecimal() {
        const QString ruta =
            escribeEstudio(dir_, "coma.w02", kX, {"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"});
        const Resultado r = ejecuta({"inferencia", "--decimal", ",", ruta});
        QCOMPARE(r.estado, 0);
        QStringList esperado = kInferencia;
        for (QString& linea : esperado)
            linea.replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2");
        esperado.last().replace("Absorbancia", "Abs");
        QCOMPARE(r.salida, lineas(esperado));
        QCOMPARE(ejecuta({"residuales", ruta, "--decimal=,"}).salida.split('\n').at(2),
                 QString("           1\t1,075\t-0,075\t-0,645746"));
    }

    // Without --decimal the separator is the locale's, and numbers are written with it in
    // full even though the C library would format them with that locale too.
    void separadorDelLocale() {
        const char* nombre = "es_ES.UTF-8";
        const locale_t espanol = newlocale(LC_ALL_MASK, nombre, locale_t{});
        if (!espanol)
            QSKIP("no Spanish locale on this machine");
        freelocale(espanol);
        const QString ruta =
            escribeEstudio(dir_, "local.w02", kX, {"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"});
        const Resultado r = ejecuta({"residuales", ruta}, nombre);
        QCOMPARE(r.estado, 0);
        QCOMPARE(r.salida.split('\n').at(2), QString("           1\t1,075\t-0,075\t-0,645746"));
        QCOMPARE(ejecuta({"residuales", ruta, "--decimal", "."}, nombre).estado, 1);
    }

    // Data written with a point do not read with a comma: a conversion fault, before any line.
    void separadorQueNoCorresponde() {
        const Resultado r =
            ejecuta({"inferencia", ejemplo("ejemplo-trabajado.w02"), "--decimal", ","});
        QCOMPARE(r.estado, 1);
        QCOMPARE(r.salida, QString());
        QCOMPARE(r.errores, QString("'1.0' is not a valid floating point value.\n"));
    }

    void pendienteCero() {
        const QString ruta = escribeEstudio(dir_, "plana.w02", kX, {"2", "2", "2", "2", "2", "2"});
        for (const char* vista : {"informe", "inferencia", "anova", "residuales"}) {
            const Resultado r = ejecuta({vista, ruta});
            QCOMPARE(r.estado, 1);
            QCOMPARE(r.salida, QString());
            QCOMPARE(r.errores, kPendienteCero);
        }
    }

    void estudioInvalido() {
        const QString ruta = escribeEstudio(dir_, "dos.w02", {"1", "1", "2", "2"},
                                            {"1", "1.1", "2", "2.1"}, "2", {"2", "2"});
        const Resultado r = ejecuta({"informe", ruta});
        QCOMPARE(r.estado, 1);
        QCOMPARE(r.salida, QString());
        QCOMPARE(r.errores, QString("Datos fuera de rango, 3-10 Niveles\n"));
    }

    // A perfect fit faults in the regression itself, before any window exists.
    void ajustePerfecto() {
        const QString ruta =
            escribeEstudio(dir_, "perfecto.w02", kX, {"2", "2", "4", "4", "6", "6"});
        Resultado r = ejecuta({"inferencia", ruta});
        QCOMPARE(r.estado, 1);
        QCOMPARE(r.salida, QString());
        QCOMPARE(r.errores, QString("Floating point division by zero.\n"));
        r = ejecuta({"anova", ruta});
        QCOMPARE(r.estado, 1);
        QCOMPARE(r.salida, QString());
        QCOMPARE(r.errores, QString("Invalid floating point operation.\n"));
    }

    // Identical replicates leave no pure error: the analysis of variance faults after the
    // inference and report windows already hold their first lines.
    void errorPuroCero() {
        const QString ruta =
            escribeEstudio(dir_, "sinerror.w02", kX, {"1", "1", "2.5", "2.5", "3", "3"});
        Resultado r = ejecuta({"inferencia", ruta});
        QCOMPARE(r.estado, 1);
        QStringList l = r.salida.split('\n');
        QCOMPARE(l.size(), 15); // 13 lines, the empty line, and the split after the last "\n"
        QCOMPARE(l.at(13), QString());
        QVERIFY(l.at(2).startsWith("PENDIENTE =  "));
        QCOMPARE(r.errores, QString("Floating point division by zero.\n"));

        r = ejecuta({"informe", ruta});
        QCOMPARE(r.estado, 1);
        l = r.salida.chopped(1).split('\n');
        QCOMPARE(l.size(), 12 + 3 + 1 + 1 + 6 + 1 + 13 + 1); // lines 1 to 31
        QCOMPARE(l.last(), QString(" "));
        QVERIFY(l.at(l.size() - 2).startsWith("COEFICIENTE DE DETERMINACIÓN (r^2) = "));
        QCOMPARE(r.errores, QString("Floating point division by zero.\n"));

        r = ejecuta({"anova", ruta});
        QCOMPARE(r.estado, 1);
        QCOMPARE(r.salida, QString());
    }

    void archivoIlegible() {
        const QString ruta = dir_.filePath("no-existe.w02");
        Resultado r = ejecuta({"informe", ruta});
        QCOMPARE(r.estado, 1);
        QCOMPARE(r.salida, QString());
        QCOMPARE(r.errores, ruta + ": File not found.\n");

        const QString noEstudio = escribeEstudio(dir_, "tres.w02", kX, kX, "tres");
        r = ejecuta({"informe", noEstudio});
        QCOMPARE(r.estado, 1);
        QVERIFY(r.errores.contains(noEstudio));
        QVERIFY(r.errores.contains("línea 6"));
    }

    void ayuda() {
        for (const QStringList& a : {QStringList{"--help"}, QStringList{"informe", "-h"}}) {
            const Resultado r = ejecuta(a);
            QCOMPARE(r.estado, 0);
            QVERIFY(r.salida.startsWith("Uso: linealidad-cli VISTA ARCHIVO [--decimal C]\n"));
            QVERIFY(r.salida.contains("residuales"));
            QCOMPARE(r.errores, QString());
        }
    }

    void errorDeUso_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("sin argumentos") << QStringList{};
        QTest::newRow("vista desconocida") << QStringList{"grafica", "x.w02"};
        QTest::newRow("sin archivo") << QStringList{"informe"};
        QTest::newRow("sobra un argumento") << QStringList{"informe", "a.w02", "b.w02"};
        QTest::newRow("opción desconocida") << QStringList{"informe", "a.w02", "--decimales"};
        QTest::newRow("--decimal sin valor") << QStringList{"informe", "a.w02", "--decimal"};
        QTest::newRow("separador largo") << QStringList{"informe", "a.w02", "--decimal", ",,"};
        QTest::newRow("separador dígito") << QStringList{"informe", "a.w02", "--decimal", "1"};
    }
    void errorDeUso() {
        QFETCH(QStringList, argumentos);
        const Resultado r = ejecuta(argumentos);
        QCOMPARE(r.estado, 2);
        QCOMPARE(r.salida, QString());
        QVERIFY(r.errores.startsWith("linealidad-cli: "));
        QVERIFY(r.errores.contains("Uso: linealidad-cli"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
