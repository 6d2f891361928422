#include "support/WorkedExampleTexts.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <locale.h>
#include <sys/stat.h>

namespace {

struct Result {
    int exitCode = -1;
    QString output; // standard output
    QString errors; // standard error
};

Result run(const QStringList& arguments, const QString& locale = "C.UTF-8") {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    process.setProcessEnvironment(environment);
    process.start(LINEALIDAD_CLI, arguments);
    if (!process.waitForFinished(10000))
        qFatal("linealidad-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString example(const QString& name) {
    return QString(LINEALIDAD_EJEMPLOS) + "/" + name;
}

// Lines as the tool prints them: each ended by "\n".
QString lines(const QStringList& l) {
    return l.join('\n') + '\n';
}

// A study file with three levels of two replicates and the given X and Y texts.
QString writeStudy(const QTemporaryDir& dir, const QString& name, const QStringList& x,
                   const QStringList& y, const QString& levels = "3",
                   const QStringList& replicates = {"2", "2", "2"}) {
    const QStringList contents =
        QStringList{"Método", "Analista", "01/01/2026", "mg", "Abs", levels} + replicates + x + y +
        QStringList{"", "", ""};
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write a study file");
    f.write(contents.join("\r\n").toUtf8() + "\r\n");
    return path;
}

const QStringList kX{"1", "1", "2", "2", "3", "3"};

QString writeTable(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write a table");
    f.write(bytes);
    return path;
}

const QStringList kInference =
    linealidad::test::workedExampleInferenceLines() +
    QStringList{
        "",
        "LA ORDENADA DE LA RELACIÓN LINEAL mg - Absorbancia PASA POR EL ORIGEN.",
    };

const QString kZeroSlope = "La pendiente es cero, imposible realizar cálculos.\n";

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

private slots:
    // The inference, variance and residuals views of the worked example.
    void views_data() {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("inferencia") << "inferencia" << kInference;
        QTest::newRow("anova")
            << "anova"
            << QStringList{
                   "         FUENTE\t    GRADOS\t      SUMA\t     MEDIA\t\t",
                   "             DE\t        DE\t        DE\t        DE\t      fcal\t     Pfcal",
                   "      VARIACIÓN\t  LIBERTAD\t CUADRADOS\t CUADRADOS\t\t",
                   "REGRESIÓN\t1\t3.8025\t3.8025\t164.432\t0.000898959",
                   "ERROR DE REGRESIÓN\t4\t0.0925\t0.023125\t\t",
                   "FALTA DE AJUSTE\t1\t0.0075\t0.0075\t0.264706\t0.642406",
                   "ERROR PURO\t3\t0.085\t0.0283333\t\t",
                   "EXISTE RELACIÓN ALTAMENTE SIGNIFICATIVA DE mg Y Absorbancia",
                   "EL MODELO LINEAL REPRESENTA DE MANERA CORRECTA LA RELACIÓN mg Y "
                   "Absorbancia"};
        QTest::newRow("residuales")
            << "residuales"
            << QStringList{"****\t****\t****\tResiduos",
                           "Observación\tPronóstico para Y\tResiduales\tEstudentizados",
                           "           1\t1.075\t-0.075\t-0.645746",
                           "           2\t1.075\t0.125\t1.07624",
                           "           3\t2.05\t0.05\t0.36018",
                           "           4\t2.05\t-0.15\t-1.08054",
                           "           5\t3.025\t0.175\t1.50674",
                           "           6\t3.025\t-0.125\t-1.07624"};
    }
    void views() {
        QFETCH(QString, view);
        QFETCH(QStringList, expected);
        const Result r = run({view, example("ejemplo-trabajado.w02")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.output, lines(expected));
        QCOMPARE(r.errors, QString());
    }

    void report() {
        const Result r = run({"informe", example("ejemplo-trabajado.w02")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.output.endsWith('\n'));
        const QStringList l = r.output.chopped(1).split('\n');
        QCOMPARE(l.size(), 79);
        QCOMPARE(l.first(), QString("LINEALIDAD Y PRECISIÓN DEL SISTEMA DE MEDICIÓN"));
        // Read from a file: each data line starts with the row's level label.
        QCOMPARE(l.at(17), QString("          1           1            1.0"));
        QCOMPARE(l.mid(24, 13), kInference.mid(0, 13));
        QCOMPARE(l.at(38), kInference.last());
        QCOMPARE(l.at(47), QString("Pfcal = 0.000898959"));
        QCOMPARE(l.last(), QString("          6                       3.025                       "
                                   " -0.125                        -1.07624"));
    }

    void allExamples_data() {
        QTest::addColumn<QString>("file");
        for (const char* f : {"ejemplo-trabajado.w02", "valoracion-80-120.w02", "una-replica.w02",
                              "siete-niveles.txt"})
            QTest::newRow(f) << QString(f);
    }
    void allExamples() {
        QFETCH(QString, file);
        for (const char* view : {"informe", "inferencia", "anova", "residuales"}) {
            const Result r = run({view, example(file)});
            QCOMPARE(r.errors, QString());
            QCOMPARE(r.exitCode, 0);
        }
    }

    void decimalComma() {
        const QString path =
            writeStudy(dir_, "coma.w02", kX, {"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"});
        const Result r = run({"inferencia", "--decimal", ",", path});
        QCOMPARE(r.exitCode, 0);
        QStringList expected = kInference;
        for (QString& line : expected)
            line.replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2");
        expected.last().replace("Absorbancia", "Abs");
        QCOMPARE(r.output, lines(expected));
        QCOMPARE(run({"residuales", path, "--decimal=,"}).output.split('\n').at(2),
                 QString("           1\t1,075\t-0,075\t-0,645746"));
    }

    // Without --decimal the separator is the locale's, and numbers are written with it in
    // full even though the C library would format them with that locale too.
    void localeSeparator() {
        const char* name = "es_ES.UTF-8";
        const locale_t spanish = newlocale(LC_ALL_MASK, name, locale_t{});
        if (!spanish)
            QSKIP("no Spanish locale on this machine");
        freelocale(spanish);
        const QString path =
            writeStudy(dir_, "local.w02", kX, {"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"});
        const Result r = run({"residuales", path}, name);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.output.split('\n').at(2), QString("           1\t1,075\t-0,075\t-0,645746"));
        QCOMPARE(run({"residuales", path, "--decimal", "."}, name).exitCode, 1);
    }

    // Data written with a point do not read with a comma: a conversion fault, before any line.
    void separatorThatDoesNotMatch() {
        const Result r = run({"inferencia", example("ejemplo-trabajado.w02"), "--decimal", ","});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, QString("'1.0' is not a valid floating point value.\n"));
    }

    void zeroSlope() {
        const QString path = writeStudy(dir_, "plana.w02", kX, {"2", "2", "2", "2", "2", "2"});
        for (const char* view : {"informe", "inferencia", "anova", "residuales"}) {
            const Result r = run({view, path});
            QCOMPARE(r.exitCode, 1);
            QCOMPARE(r.output, QString());
            QCOMPARE(r.errors, kZeroSlope);
        }
    }

    // X read back from responses of the worked example (m = 0.975, b = 0.1, calibrated from
    // 1.075 to 3.025). The figures are those the calibration test checks against an exact
    // computation, in the general format of 6 digits.
    void inverse_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("dos respuestas")
            << QStringList{"--y", "2.05", "--y=3.5"}
            << QStringList{"2.05\t2\t1.53227\t2.46773",
                           "3.5\t3.48718\t2.91933\t4.05503\tfuera del intervalo calibrado"};
        QTest::newRow("tres réplicas") << QStringList{"--replicas", "3", "--y", "1.5"}
                                       << QStringList{"1.5\t1.4359\t1.10624\t1.76556"};
        QTest::newRow("coma decimal, por debajo")
            << QStringList{"--y", "0,5", "--replicas=2", "--decimal", ","}
            << QStringList{"0,5\t0,410256\t-0,0831869\t0,9037\tfuera del intervalo calibrado"};
    }
    void inverse() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        const bool comma = arguments.contains(",");
        const QString path =
            comma ? writeStudy(dir_, "inversa.w02", kX, {"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"})
                  : example("ejemplo-trabajado.w02");
        const Result r = run(QStringList{"inversa", path} + arguments);
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.output, lines(expected));
    }

    void inverseZeroSlope() {
        const QString path = writeStudy(dir_, "plana.w02", kX, {"2", "2", "2", "2", "2", "2"});
        const Result r = run({"inversa", path, "--y", "2"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, kZeroSlope);
    }

    void invalidStudy() {
        const QString path = writeStudy(dir_, "dos.w02", {"1", "1", "2", "2"},
                                        {"1", "1.1", "2", "2.1"}, "2", {"2", "2"});
        const Result r = run({"informe", path});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, QString("Datos fuera de rango, 3-10 Niveles\n"));
    }

    // A perfect fit faults in the regression itself, before any window exists.
    void perfectFit() {
        const QString path = writeStudy(dir_, "perfecto.w02", kX, {"2", "2", "4", "4", "6", "6"});
        Result r = run({"inferencia", path});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, QString("Floating point division by zero.\n"));
        r = run({"anova", path});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, QString("Invalid floating point operation.\n"));
    }

    // Identical replicates leave no pure error: the analysis of variance faults after the
    // inference and report windows already hold their first lines.
    void zeroPureError() {
        const QString path =
            writeStudy(dir_, "sinerror.w02", kX, {"1", "1", "2.5", "2.5", "3", "3"});
        Result r = run({"inferencia", path});
        QCOMPARE(r.exitCode, 1);
        QStringList l = r.output.split('\n');
        QCOMPARE(l.size(), 15); // 13 lines, the empty line, and the split after the last "\n"
        QCOMPARE(l.at(13), QString());
        QVERIFY(l.at(2).startsWith("PENDIENTE =  "));
        QCOMPARE(r.errors, QString("Floating point division by zero.\n"));

        r = run({"informe", path});
        QCOMPARE(r.exitCode, 1);
        l = r.output.chopped(1).split('\n');
        QCOMPARE(l.size(), 12 + 3 + 1 + 1 + 6 + 1 + 13 + 1); // lines 1 to 31
        QCOMPARE(l.last(), QString(" "));
        QVERIFY(l.at(l.size() - 2).startsWith("COEFICIENTE DE DETERMINACIÓN (r^2) = "));
        QCOMPARE(r.errors, QString("Floating point division by zero.\n"));

        r = run({"anova", path});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
    }

    // A pipe is no study: refused at once, without waiting for a writer.
    void pipeIsRefused() {
        const QString pipe = dir_.filePath("tuberia.w02");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QStringList& arguments :
             {QStringList{"informe", pipe}, QStringList{"anova", "--tabla", pipe},
              QStringList{"dictamen", example("hplc-5x5.w02"), "--criterios", pipe}}) {
            const Result r = run(arguments);
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(r.errors.contains("El archivo \"" + pipe +
                                       "\" no es un archivo normal: no se puede abrir."),
                     qPrintable(r.errors));
        }
        QFile::remove(pipe);
    }

    void unreadableFile() {
        const QString path = dir_.filePath("no-existe.w02");
        Result r = run({"informe", path});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, path + ": File not found.\n");

        const QString noStudy = writeStudy(dir_, "tres.w02", kX, kX, "tres");
        r = run({"informe", noStudy});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.errors.contains(noStudy));
        QVERIFY(r.errors.contains("línea 6"));
    }

    // The worked example as two spreadsheets save it gives the worked example's results; the
    // headings of X and Y name the units and the property in the origin verdict.
    void table_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("decimal");
        QTest::newRow("comas, punto decimal")
            << QByteArray("X,Y\r\n1,1.0\r\n1,1.2\r\n2,2.1\r\n2,1.9\r\n3,3.2\r\n3,2.9\r\n") << ".";
        QTest::newRow("punto y coma, coma decimal, tres columnas")
            << QByteArray("Nivel;X;Y\r\n1;1;1,0\r\n1;1;1,2\r\n2;2;2,1\r\n2;2;1,9\r\n3;3;3,2\r\n"
                          "3;3;2,9\r\n")
            << ",";
    }
    void table() {
        QFETCH(QByteArray, table);
        QFETCH(QString, decimal);
        const QString path = writeTable(dir_, "tabla.csv", table);
        const Result r = run({"inferencia", "--tabla", path, "--decimal", decimal});
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        QStringList expected = kInference;
        expected.last() = "LA ORDENADA DE LA RELACIÓN LINEAL X - Y PASA POR EL ORIGEN.";
        if (decimal == ",")
            for (QString& line : expected)
                line.replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2");
        QCOMPARE(r.output, lines(expected));
        // The option may come anywhere, and with its file after "=".
        QCOMPARE(run({"--tabla=" + path, "--decimal=" + decimal, "inferencia"}).output, r.output);
    }

    void tableRefused() {
        const QString path = writeTable(dir_, "dos.csv", "X;Y\r\n1;1\r\n1;1,1\r\n2;2\r\n2;2,1\r\n");
        const Result r = run({"informe", "--tabla", path});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, "El archivo \"" + path +
                               "\" no es un estudio: sus filas con datos (las filas 2 a 5) "
                               "forman 2 niveles y un estudio tiene de 3 a 10.\n");

        const QString missing = dir_.filePath("no-existe.csv");
        QCOMPARE(run({"informe", "--tabla", missing}).errors, missing + ": File not found.\n");
    }

    // The verdict of the worked example against the default criteria, and against a file
    // that relaxes them and bounds the detection limit.
    void verdict_data() {
        QTest::addColumn<QByteArray>("criteria"); // empty: no --criterios
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults")
            << QByteArray()
            << lines(
                   {"Coeficiente de determinación (r²)\t0.976252\t≥ 0.98\tNO CUMPLE",
                    "Coeficiente de variación (%)\t7.418\t≤ 2\tNO CUMPLE",
                    "Intervalo de confianza de la pendiente\t[0.763898; 1.1861]\texcluye 0\tCUMPLE",
                    "Intervalo de confianza de la ordenada\t[-0.356033; 0.556033]\tcontiene 0\t"
                    "CUMPLE",
                    "Falta de ajuste (p exacta)\t0.642409\t≥ 0.05\tCUMPLE",
                    "Residuo estudentizado máximo (absoluto)\t1.50674\t≤ 3\tCUMPLE",
                    "Límite de detección (LD)\t0.514695\t\t",
                    "Límite de cuantificación (LC)\t1.55968\t\t", "DICTAMEN: NO CUMPLE"});
        QTest::newRow("file") << QByteArray("[criterios]\nr2_minimo = 0.97\ncv_maximo = 7,418\n"
                                            "limite_deteccion = 0.6\n")
                              << lines(
                                     {"Coeficiente de determinación (r²)\t0.976252\t≥ 0.97\tCUMPLE",
                                      "Coeficiente de variación (%)\t7.418\t≤ 7.418\tCUMPLE",
                                      "Límite de detección (LD)\t0.514695\t≤ 0.6\tCUMPLE",
                                      "DICTAMEN: CUMPLE"});
    }
    void verdict() {
        QFETCH(QByteArray, criteria);
        QFETCH(QString, expected);
        QStringList arguments{"dictamen", example("ejemplo-trabajado.w02"), "--decimal", "."};
        if (!criteria.isEmpty())
            arguments << "--criterios" << writeTable(dir_, "criterios.ini", criteria);
        const Result r = run(arguments);
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.output, expected);
    }

    // The validation statistics: the lines of the core's text, the recovery's with --recobro,
    // from a table too; the verdict judges the recovery only with --recobro.
    void validation() {
        const QString study = example("ejemplo-trabajado.w02");
        Result r = run({"validacion", study});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.errors, QString());
        const QStringList output = r.output.split('\n');
        QCOMPARE(output.size(), 29);
        QCOMPARE(output[1], "1\t2\t1\t1.1\t0.141421\t12.8565\t1.02564\t2.5641");
        QVERIFY(output.contains("probabilidad exacta\tregresión\t0.000213192"));
        QVERIFY(output.contains("linealidad\tMandel p\t0.642409"));
        r = run({"validacion", "--recobro", study});
        QCOMPARE(r.output.split('\n').size(), 36);
        QVERIFY(r.output.contains("recobro\tIC inferior\t94.3302\n"));

        const QString table =
            writeTable(dir_, "recobro.csv", "X;Y\n1;1.0\n1;1.2\n2;2.1\n2;1.9\n3;3.2\n3;2.9\n");
        QCOMPARE(run({"validacion", "--tabla", table, "--recobro"}).output,
                 run({"validacion", study, "--recobro"}).output);

        const QString criteria =
            writeTable(dir_, "recobro.ini", "[criterios]\nrecobro_intervalo = 98;105\n");
        r = run({"dictamen", study, "--criterios", criteria, "--recobro"});
        QCOMPARE(r.output,
                 lines({"Recobro medio (%)\t103.889\t[98; 105]\tCUMPLE", "DICTAMEN: CUMPLE"}));
        r = run({"dictamen", study, "--criterios", criteria});
        QVERIFY(r.output.startsWith("Recobro medio (%)\tno aplicable (Y no es la cantidad "
                                    "recuperada)\t[98; 105]\t\n"));
    }

    // A criteria file that cannot be used ends the run with a message naming it.
    void verdictCriteriaRefused() {
        const QString study = example("ejemplo-trabajado.w02");
        const QString missing = dir_.filePath("no-existe.ini");
        Result r = run({"dictamen", study, "--criterios", missing});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, missing + ": File not found.\n");

        const QString bad = writeTable(dir_, "mal.ini", "[criterios]\nr2_minimo = alto\n");
        r = run({"dictamen", study, "--criterios", bad});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.output, QString());
        QCOMPARE(r.errors, bad + ": Línea 2 de los criterios: el límite «alto» de «r2_minimo» no "
                                 "es un número.\n");
    }

    // The checks, one line of six cells each, then the count; with the separator asked for.
    void verification() {
        const Result r = run({"verificar", "--decimal", ","});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.errors, QString());
        QStringList lines = r.output.split('\n');
        QCOMPARE(lines.takeLast(), QString());
        const QString summary = lines.takeLast();
        QCOMPARE(summary, QString("%1 de %1 verificaciones correctas").arg(lines.size()));
        QVERIFY(lines.size() >= 30);
        // The last digits obtained depend on the compiler's arithmetic.
        QVERIFY(lines.front().startsWith(
            "Norris (NIST StRD): pendiente\t1,00211681802045\t1,002116818"));
        for (const QString& line : lines) {
            const QStringList cells = line.split('\t');
            QCOMPARE(cells.size(), 6);
            QCOMPARE(cells[5], "correcta");
        }
    }

    void help() {
        for (const QStringList& a : {QStringList{"--help"}, QStringList{"informe", "-h"}}) {
            const Result r = run(a);
            QCOMPARE(r.exitCode, 0);
            QVERIFY(r.output.startsWith("Uso: linealidad-cli VISTA ARCHIVO [--decimal C]\n"
                                        "     linealidad-cli VISTA --tabla ARCHIVO [--decimal "
                                        "C]\n"));
            QVERIFY(r.output.contains("residuales"));
            QCOMPARE(r.errors, QString());
        }
    }

    void usageError_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("sin argumentos") << QStringList{};
        QTest::newRow("vista desconocida") << QStringList{"grafica", "x.w02"};
        QTest::newRow("sin archivo") << QStringList{"informe"};
        QTest::newRow("sobra un argumento") << QStringList{"informe", "a.w02", "b.w02"};
        QTest::newRow("opción desconocida") << QStringList{"informe", "a.w02", "--decimales"};
        QTest::newRow("--decimal sin valor") << QStringList{"informe", "a.w02", "--decimal"};
        QTest::newRow("separador largo") << QStringList{"informe", "a.w02", "--decimal", ",,"};
        QTest::newRow("separador dígito") << QStringList{"informe", "a.w02", "--decimal", "1"};
        QTest::newRow("--tabla sin archivo") << QStringList{"informe", "--tabla"};
        QTest::newRow("--tabla sin vista") << QStringList{"--tabla", "t.csv"};
        QTest::newRow("tabla y estudio") << QStringList{"informe", "a.w02", "--tabla", "t.csv"};
        QTest::newRow("--criterios sin archivo") << QStringList{"dictamen", "a.w02", "--criterios"};
        QTest::newRow("--criterios en otra vista")
            << QStringList{"informe", "a.w02", "--criterios", "c.ini"};
        QTest::newRow("inversa sin --y") << QStringList{"inversa", "a.w02", "--replicas", "2"};
        QTest::newRow("--y sin valor") << QStringList{"inversa", "a.w02", "--y"};
        QTest::newRow("--y no es número") << QStringList{"inversa", "a.w02", "--y", "2.0x"};
        QTest::newRow("--y con otro separador")
            << QStringList{"inversa", "a.w02", "--y", "2,5", "--decimal", "."};
        QTest::newRow("--replicas cero")
            << QStringList{"inversa", "a.w02", "--y", "2", "--replicas", "0"};
        QTest::newRow("--replicas decimal")
            << QStringList{"inversa", "a.w02", "--y", "2", "--replicas=1.5"};
        QTest::newRow("--replicas sin valor")
            << QStringList{"inversa", "a.w02", "--y", "2", "--replicas"};
        QTest::newRow("--y en otra vista") << QStringList{"anova", "a.w02", "--y", "2"};
        QTest::newRow("--recobro en otra vista") << QStringList{"anova", "a.w02", "--recobro"};
        QTest::newRow("validacion sin archivo") << QStringList{"validacion", "--recobro"};
        QTest::newRow("verificar con archivo") << QStringList{"verificar", "a.w02"};
        QTest::newRow("verificar con tabla") << QStringList{"verificar", "--tabla", "t.csv"};
    }
    void usageError() {
        QFETCH(QStringList, arguments);
        const Result r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.output, QString());
        QVERIFY(r.errors.startsWith("linealidad-cli: "));
        QVERIFY(r.errors.contains("Uso: linealidad-cli"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
