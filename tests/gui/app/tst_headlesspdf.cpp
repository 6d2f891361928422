#include "core/results/ZeroSlope.h"
#include "gui/app/PdfArguments.h"
#include "support/PdfText.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

struct Result {
    int exitCode = -1;
    QString output; // standard output
    QString errors; // standard error
};

// `linealidad ARGUMENTS` as a script runs it on a machine without a display.
// `configHome` holds the user's settings when given.
Result run(const QStringList& arguments, const QString& configHome = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LINEALIDAD_APP), arguments);
    if (!process.waitForFinished(30000))
        qFatal("linealidad did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The slope as linealidad-cli writes it in the inference of `study`.
QString slopeOf(const QString& study) {
    QProcess process;
    process.start(QStringLiteral(LINEALIDAD_CLI), {QStringLiteral("inferencia"), study});
    process.waitForFinished(10000);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    return QRegularExpression(QStringLiteral("PENDIENTE =  (\\S+)")).match(text).captured(1);
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QStringList& lines) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write a study file");
    f.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    return path;
}

// Three levels of two replicates.
QStringList studyLines(const QStringList& y) {
    return QStringList{"Método", "Analista", "01/01/2026", "mg", "Abs", "3", "2", "2",
                       "2",      "1",        "1",          "2",  "2",   "3", "3"} +
           y + QStringList{"", "", ""};
}

// The width and height of the PDF file's pages, in points.
QString paperOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const auto box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 (\\d+)\\S* (\\d+)"))
                         .match(QString::fromLatin1(f.readAll()));
    return box.captured(1) + " x " + box.captured(2);
}

} // namespace

class TestHeadlessPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!linealidad::test::havePdfToText())
            QSKIP("pdftotext (poppler-utils) is not installed: run scripts/setup");
    }

    // Every example in both layouts: the three pages, in order, with the study's numbers.
    void everyExample_data() {
        QTest::addColumn<QString>("study");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("titles");
        const QStringList laser{"Información General",
                                "Inferencia de Pendiente y Ordenada al Origen",
                                "Análisis de la Varianza"};
        const QStringList deskjet{"INFORMACIÓN GENERAL",
                                  "INFERENCIA DE PENDIENTE Y ORDENADA AL ORIGEN",
                                  "ANÁLISIS DE LA VARIANZA"};
        const QDir examples(QStringLiteral(LINEALIDAD_EJEMPLOS));
        for (const QString& name : examples.entryList(QDir::Files)) {
            const QString path = examples.filePath(name);
            QTest::newRow(qPrintable(name + " laser")) << path << "laser" << laser;
            QTest::newRow(qPrintable(name + " deskjet")) << path << "deskjet" << deskjet;
        }
    }
    void everyExample() {
        QFETCH(QString, study);
        QFETCH(QString, layout);
        QFETCH(QStringList, titles);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        const Result r = run({"--pdf", pdf, "--formato", layout, study});
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        const QString text = linealidad::test::pdfText(pdf);
        qsizetype at = 0;
        for (const QString& title : titles) {
            at = text.indexOf(title, at);
            QVERIFY2(at >= 0, qPrintable(title));
        }
        const QString slope = layout == "laser" ? "Pendiente = " : "PENDIENTE = ";
        QVERIFY(text.simplified().contains(slope + slopeOf(study)));
        QVERIFY(text.contains(QStringLiteral("TARVEL v. w 3.1")));
    }

    // One page, the paper and the separator as asked.
    void options() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("inferencia.pdf"));
        const QString commas =
            writeFile(dir, "comas.w02", studyLines({"1,0", "1,2", "2,1", "1,9", "3,2", "2,9"}));
        const Result r = run(
            {"--pdf=" + pdf, "--pagina", "inferencia", "--papel=carta", "--decimal", ",", commas});
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        const QString text = linealidad::test::pdfText(pdf);
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
        QVERIFY(text.simplified().contains(QStringLiteral("Pendiente = 0,975")));
        QVERIFY(!text.contains(QStringLiteral("Información General")));
        QCOMPARE(paperOf(pdf), QStringLiteral("612 x 792")); // letter

        const QString study = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        QCOMPARE(run({"--pdf", pdf, "--pagina", "general", study}).exitCode, 0);
        QCOMPARE(paperOf(pdf), QStringLiteral("595 x 842")); // A4
    }

    // The verdict page alone, judged against the criteria the user keeps (here r² ≥ 0.97 and
    // nothing else), in the laser layout even when the deskjet one is asked.
    void verdictPage() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Linealidad")));
        writeFile(dir, QStringLiteral("Linealidad/Linealidad.conf"),
                  {"[dictamen]", "criterios=\"[criterios]\\nr2_minimo = 0.97\\n\""});
        const QString pdf = dir.filePath(QStringLiteral("dictamen.pdf"));
        const QString study = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        const Result r =
            run({"--pdf", pdf, "--pagina", "dictamen", "--formato", "deskjet", study}, dir.path());
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        const QString text = linealidad::test::pdfText(pdf).simplified();
        QVERIFY2(text.contains(QStringLiteral("Dictamen de aceptación")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Coeficiente de determinación (r²) 0.976252 ≥ 0.97 "
                                             "CUMPLE")));
        QVERIFY(!text.contains(QStringLiteral("Coeficiente de variación")));
        QVERIFY(text.contains(QStringLiteral("DICTAMEN: CUMPLE")));
        QVERIFY(text.contains(QStringLiteral("Aprobó")));
        QVERIFY(!text.contains(QStringLiteral("Pendiente =")));
    }

    // Whatever fails leaves no file behind; the message goes to standard error.
    void failures_data() {
        QTest::addColumn<QStringList>("study");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero slope") << studyLines({"1", "1", "1", "1", "1", "1"})
                                    << QString::fromUtf8(linealidad::kZeroSlopeMessage);
        QTest::newRow("invalid study") << studyLines({"1", "", "2", "2", "3", "3"}) << QString();
        QTest::newRow("not a study")
            << QStringList{"a", "b", "c", "d", "e", "x"} << QStringLiteral("no es un estudio");
        QTest::newRow("perfect fit") << studyLines({"2", "2", "4", "4", "6", "6"})
                                     << QStringLiteral("Floating point division by zero.");
    }
    void failures() {
        QFETCH(QStringList, study);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        const Result r = run({"--pdf", pdf, writeFile(dir, "estudio.w02", study)});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.errors.contains(message) && !r.errors.trimmed().isEmpty(), qPrintable(r.errors));
        QCOMPARE(r.errors.count(QLatin1Char('\n')), 1);
        QCOMPARE(r.output, QString());
        QVERIFY(!QFileInfo::exists(pdf));
    }

    void unreadableFiles() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        const QString study = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        Result r = run({"--pdf", pdf, dir.filePath(QStringLiteral("no-existe.w02"))});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.errors, dir.filePath(QStringLiteral("no-existe.w02")) + ": File not found.\n");
        QVERIFY(!QFileInfo::exists(pdf));

        const QString nowhere = dir.filePath(QStringLiteral("no-existe/hojas.pdf"));
        r = run({"--pdf", nowhere, study});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.errors, nowhere + ": File not found.\n");
    }

    // Only regular files are read and replaced: a pipe given as the study is refused at once,
    // and one given as the output (or a device, a loop of links, a folder) is left as it was.
    void specialFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("asOutput");
        QTest::newRow("pipe as the study") << "pipe" << false;
        QTest::newRow("pipe as the output") << "pipe" << true;
        QTest::newRow("device as the output") << "device" << true;
        QTest::newRow("loop of links as the output") << "loop" << true;
        QTest::newRow("folder as the output") << "folder" << true;
    }
    void specialFiles() {
        QFETCH(QString, kind);
        QFETCH(bool, asOutput);
        QTemporaryDir dir;
        const QString special = dir.filePath(QStringLiteral("especial"));
        const QByteArray name = QFile::encodeName(special);
        if (kind == "pipe")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        if (kind == "device" && ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("only the superuser makes devices (and could replace one)");
        if (kind == "loop")
            QVERIFY(QFile::link(QStringLiteral("especial"), special));
        if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("especial")));
        struct stat before {};
        QCOMPARE(::lstat(name.constData(), &before), 0);

        const QString study = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        const Result r = asOutput ? run({"--pdf", special, study}) : run({"--pdf", pdf, special});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.errors, "El archivo \"" + special + "\" no es un archivo normal: " +
                               (asOutput ? "no se reemplazó.\n" : "no se puede abrir.\n"));
        struct stat after {};
        QCOMPARE(::lstat(name.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        QVERIFY(!QFileInfo::exists(pdf));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no output")
            << QStringList{"--pagina", "anova", "x.w02"} << "falta --pdf SALIDA.pdf";
        QTest::newRow("no study") << QStringList{"--pdf", "x.pdf"}
                                  << "falta el archivo del estudio";
        QTest::newRow("two studies")
            << QStringList{"--pdf", "x.pdf", "a.w02", "b.w02"} << "sobra el argumento b.w02";
        QTest::newRow("page") << QStringList{"--pdf", "x.pdf", "--pagina", "todo", "a.w02"}
                              << "página desconocida: todo";
        QTest::newRow("layout") << QStringList{"--pdf", "x.pdf", "--formato", "inkjet", "a.w02"}
                                << "formato desconocido: inkjet";
        QTest::newRow("margin") << QStringList{"--pdf", "x.pdf", "--margen", "1,5", "a.w02"}
                                << "margen desconocido: 1,5 (debe ser 1, 1.5 o 2)";
        QTest::newRow("paper") << QStringList{"--pdf", "x.pdf", "--papel", "a3", "a.w02"}
                               << "papel desconocido: a3";
        QTest::newRow("separator") << QStringList{"--pdf", "x.pdf", "--decimal", "1", "a.w02"}
                                   << "el separador decimal debe ser un solo signo, como . o , "
                                      "(no \"1\")";
        QTest::newRow("unknown") << QStringList{"--pdf", "x.pdf", "--copias", "2", "a.w02"}
                                 << "opción desconocida: --copias";
        QTest::newRow("value missing")
            << QStringList{"a.w02", "--pdf"} << "falta el valor después de --pdf";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const Result r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.errors.startsWith("linealidad: " + reason + "\nUso: linealidad --pdf"),
                 qPrintable(r.errors));
        QVERIFY(r.errors.endsWith("Para más información: linealidad --help\n"));
        QCOMPARE(r.output, QString());
    }

    // What a well-formed command line asks for, defaults included.
    void readsTheCommand_data() {
        using linealidad::PageChoice;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<bool>("deskjet");
        QTest::addColumn<int>("SELECMAR");
        QTest::addColumn<bool>("letter");
        QTest::addColumn<char>("decimal");
        QTest::newRow("defaults") << QStringList{"e.w02", "--pdf", "s.pdf"} << QList<int>{0, 1, 2}
                                  << false << 1 << false << ';';
        QTest::newRow("every option")
            << QStringList{"--pdf=s.pdf", "--pagina=anova", "--formato", "deskjet", "--margen", "2",
                           "--papel",     "carta",          "--decimal", ",",       "e.w02"}
            << QList<int>{2} << true << 2 << true << ',';
        QTest::newRow("margin 1") << QStringList{"--pdf", "s.pdf", "--margen=1", "e.w02"}
                                  << QList<int>{0, 1, 2} << false << 0 << false << ';';
        QTest::newRow("verdict") << QStringList{"--pdf", "s.pdf", "--pagina", "dictamen", "e.w02"}
                                 << QList<int>{3} << false << 1 << false << ';';
    }
    void readsTheCommand() {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, pages);
        std::vector<std::string> args;
        for (const QString& a : arguments)
            args.push_back(a.toStdString());
        QVERIFY(linealidad::isPdfCommandLine(args));
        const auto read = linealidad::readPdfArguments(args, ';');
        QVERIFY2(read.command, read.error.c_str());
        const linealidad::PdfCommand& c = *read.command;
        QCOMPARE(c.output, std::string("s.pdf"));
        QCOMPARE(c.study, std::string("e.w02"));
        QCOMPARE(int(c.pages.size()), pages.size());
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(int(c.pages[std::size_t(i)]), pages[i]);
        QTEST(c.layout == linealidad::PrintLayout::Deskjet, "deskjet");
        QTEST(c.SELECMARIndex, "SELECMAR");
        QTEST(c.paper == linealidad::Paper::Letter, "letter");
        QTEST(c.decimal, "decimal");
    }

    // Without one of its options the program opens its window.
    void otherCommandLinesOpenTheWindow() {
        QVERIFY(!linealidad::isPdfCommandLine({}));
        QVERIFY(!linealidad::isPdfCommandLine({"estudio.w02"}));
        QVERIFY(!linealidad::isPdfCommandLine({"-platform", "offscreen"}));
    }

    void help() {
        const Result r = run({"--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.output.startsWith("Uso: linealidad --pdf SALIDA.pdf"));
        QVERIFY(r.output.contains("Estado de salida:"));
        QCOMPARE(r.errors, QString());
    }
};

QTEST_GUILESS_MAIN(TestHeadlessPdf)
#include "tst_headlesspdf.moc"
