#include "core/results/ZeroSlope.h"
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
// `configHome` holds the user's settings when given; `locale` is the process locale.
Result run(const QStringList& arguments, const QString& configHome = {},
           const QString& locale = QStringLiteral("C.UTF-8")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!configHome.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    environment.insert(QStringLiteral("LC_ALL"), locale);
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

// `levels` levels of `replicates` replicates on a noisy line, X from 10 to 10·levels, with
// general information as a lab writes it.
QStringList generatedStudy(int levels, int replicates, const QString& method) {
    QStringList x, y;
    for (int i = 1; i <= levels; ++i)
        for (int k = 0; k < replicates; ++k) {
            x << QString::number(10 * i);
            y << QString::number(2.5 * 10 * i + 0.3 + ((k * 7 + i * 3) % 10 - 4.5) * 0.05, 'f', 4);
        }
    QStringList lines{method,          "Ana María Pérez Gutiérrez", "08/12/2026", "mg/L",
                      "Área del pico", QString::number(levels)};
    for (int i = 0; i < levels; ++i)
        lines << QString::number(replicates);
    return lines + x + y + QStringList{"Curva de calibración", "Concentración (mg/L)", "Área"};
}

// What a program of the system (sha256sum, id) writes on standard output.
QString commandOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The words of a PDF page joined by blanks.
QString wordsOf(const linealidad::test::PdfPage& page) {
    QStringList words;
    for (const auto& w : page.words)
        words << w.text;
    return words.join(' ');
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

    // The same study and criteria give the same verdicts whatever separator the desktop's
    // locale writes: r² 0.976252 below 0.98, |CV| 7.418 above 0.1, LD 0.514695 above 0.15.
    void verdictInEveryLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::newRow("C") << QStringLiteral("C.UTF-8") << QStringLiteral(".");
        QTest::newRow("es_ES") << QStringLiteral("es_ES.UTF-8") << QStringLiteral(",");
    }
    void verdictInEveryLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, decimal);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Linealidad")));
        writeFile(dir, QStringLiteral("Linealidad/Linealidad.conf"),
                  {"[dictamen]", "criterios=\"[criterios]\\nr2_minimo = 0.98\\ncv_maximo = 0.1\\n"
                                 "limite_deteccion = 0.15\\n\""});
        QStringList y{"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"};
        y.replaceInStrings(QStringLiteral("."), decimal);
        const QString study = writeFile(dir, QStringLiteral("e.w02"), studyLines(y));
        const QString pdf = dir.filePath(QStringLiteral("dictamen.pdf"));
        const Result r = run({"--pdf", pdf, "--pagina", "dictamen", study}, dir.path(), locale);
        QCOMPARE(r.errors, QString());
        const QString text = linealidad::test::pdfText(pdf).simplified().replace(decimal, ".");
        for (const char* row :
             {"Coeficiente de determinación (r²) 0.976252 ≥ 0.98 NO CUMPLE",
              "Coeficiente de variación (%) 7.418 ≤ 0.1 NO CUMPLE",
              "Límite de detección (LD) 0.514695 ≤ 0.15 NO CUMPLE", "DICTAMEN: NO CUMPLE"})
            QVERIFY2(text.contains(QString::fromUtf8(row)), qPrintable(text));
    }

    // The validation page alone, with the recovery when the user ticked it, continuing on a
    // second sheet.
    void validationPage() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Linealidad")));
        writeFile(dir, QStringLiteral("Linealidad/Linealidad.conf"),
                  {"[validacion]", "recobro=true"});
        const QString pdf = dir.filePath(QStringLiteral("validacion.pdf"));
        const QString study = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        const Result r = run({"--pdf", pdf, "--pagina", "validacion", study}, dir.path());
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        const QString text = linealidad::test::pdfText(pdf);
        QCOMPARE(text.count(QLatin1Char('\f')), 2);
        const QString words = text.simplified();
        QVERIFY2(words.contains(QStringLiteral("Estadística de validación")), qPrintable(words));
        QVERIFY(words.contains(QStringLiteral("Regresión 164.432 1 4 0.000213192 0.000898959")));
        QVERIFY(words.contains(QStringLiteral("Recobro medio % 103.889")));
        QVERIFY(words.contains(QStringLiteral("Aprobó")));
    }

    // Every sheet whole: no word outside the printable area (a quarter of an inch from the
    // edges) and none over another, in both layouts and on both papers, for a study of 3
    // levels, one of 10 and one of 150 observations; each sheet numbered among all of them.
    void sheetsFitThePrintableArea_data() {
        QTest::addColumn<int>("levels");
        QTest::addColumn<int>("replicates");
        QTest::addColumn<QStringList>("options");
        const QList<std::pair<int, int>> studies{{3, 3}, {10, 3}, {10, 15}};
        for (const auto& [levels, replicates] : studies)
            for (const QString paper : {"a4", "carta"}) {
                const QString name =
                    QStringLiteral("%1 x %2, %3").arg(levels).arg(replicates).arg(paper);
                QTest::newRow(qPrintable(name + ", laser"))
                    << levels << replicates << QStringList{"--papel", paper};
                QTest::newRow(qPrintable(name + ", deskjet, margin 2"))
                    << levels << replicates
                    << QStringList{"--papel", paper, "--formato", "deskjet", "--margen", "2"};
                QTest::newRow(qPrintable(name + ", verdict"))
                    << levels << replicates
                    << QStringList{"--papel", paper, "--pagina", "dictamen"};
            }
    }
    void sheetsFitThePrintableArea() {
        QFETCH(int, levels);
        QFETCH(int, replicates);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString study = writeFile(
            dir, "estudio.w02",
            generatedStudy(levels, replicates, "Valoración de cafeína por HPLC en tabletas"));
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        const Result r = run(QStringList{"--pdf", pdf} + options + QStringList{study}, dir.path());
        QCOMPARE(r.errors, QString());
        QCOMPARE(r.exitCode, 0);
        const auto pages = linealidad::test::pdfWords(pdf);
        QVERIFY(!pages.isEmpty());
        const QStringList faults = linealidad::test::placementFaults(pages, 18);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        for (int i = 0; i < pages.size(); ++i) {
            const QString footer = QStringLiteral("Página %1 de %2 · estudio.w02 · SHA-256 ")
                                       .arg(i + 1)
                                       .arg(pages.size());
            QVERIFY2(wordsOf(pages[i]).contains(footer), qPrintable(footer));
        }
    }

    // The figures of the variance table stand apart in both layouts, as separate words.
    void varianceFiguresStandApart_data() {
        QTest::addColumn<QString>("layout");
        QTest::newRow("laser") << "laser";
        QTest::newRow("deskjet") << "deskjet";
    }
    void varianceFiguresStandApart() {
        QFETCH(QString, layout);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("anova.pdf"));
        const QString study = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        QCOMPARE(run({"--pdf", pdf, "--pagina", "anova", "--formato", layout, study}).exitCode, 0);
        const auto pages = linealidad::test::pdfWords(pdf);
        QCOMPARE(pages.size(), 1);
        QStringList words;
        for (const auto& w : pages[0].words)
            words << w.text;
        for (const char* figure : {"164.432", "0.000898959", "0.264706", "0.642406", "3.8025"})
            QVERIFY2(words.contains(QLatin1String(figure)), figure);
    }

    // The footer names the study file and the SHA-256 of its bytes as sha256sum reads them,
    // the program's version, when and by whom the sheets were printed.
    void footerNamesTheFile() {
        QTemporaryDir dir;
        const QString study =
            writeFile(dir, "lote 42.w02", studyLines({"1.0", "1.2", "2.1", "1.9", "3.2", "2.9"}));
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        QCOMPARE(run({"--pdf", pdf, study}, dir.path()).exitCode, 0);
        const QString hash = commandOutput("sha256sum", {study}).section(' ', 0, 0);
        QCOMPARE(hash.size(), 64);
        const QString user = commandOutput("id", {"-un"}).trimmed();
        const QString text = linealidad::test::pdfText(pdf).simplified();
        for (int page = 1; page <= 3; ++page) {
            const QRegularExpression footer(
                QStringLiteral("Página %1 de 3 · lote 42\\.w02 · SHA-256 %2 · Linealidad "
                               "\\d+(\\.\\d+)+ · impreso \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d · %3")
                    .arg(page)
                    .arg(hash, QRegularExpression::escape(user)));
            QVERIFY2(footer.match(text).hasMatch(), qPrintable(text));
        }
    }

    // PDF/A-1b with every font embedded, and the study's metadata in the information
    // dictionary and the XMP packet; the title is the file's name when the method is empty.
    void archivalMetadata_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("title");
        QTest::newRow("method") << "Valoración de cafeína (HPLC)"
                                << "Valoración de cafeína (HPLC)";
        QTest::newRow("no method") << ""
                                   << "lote.w02";
        // PDF/A-1 holds a string to 65535 bytes: a method of megabytes is cut.
        QTest::newRow("long method") << QString(5000, 'M') << QString(999, 'M') + "…";
    }
    void archivalMetadata() {
        QFETCH(QString, method);
        QTemporaryDir dir;
        const QString study = writeFile(dir, "lote.w02", generatedStudy(3, 2, method));
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        QCOMPARE(run({"--pdf", pdf, study}, dir.path()).exitCode, 0);
        const QString hash = commandOutput("sha256sum", {study}).section(' ', 0, 0);

        const QString info = linealidad::test::popplerOutput(QStringLiteral("pdfinfo"), {pdf});
        auto field = [&info](const QString& name) {
            return QRegularExpression(QStringLiteral("^%1:\\s+(.*)$").arg(name),
                                      QRegularExpression::MultilineOption)
                .match(info)
                .captured(1);
        };
        QTEST(field("Title"), "title");
        QCOMPARE(field("Author"), QStringLiteral("Ana María Pérez Gutiérrez"));
        QCOMPARE(field("Subject"), QStringLiteral("Estudio de linealidad y precisión"));
        QVERIFY(QRegularExpression(QStringLiteral("^Linealidad \\d+(\\.\\d+)+$"))
                    .match(field("Creator"))
                    .hasMatch());
        QCOMPARE(field("Keywords"), hash);
        QCOMPARE(field("Pages"), QStringLiteral("3"));

        const QString xmp = linealidad::test::popplerOutput(QStringLiteral("pdfinfo"),
                                                            {QStringLiteral("-meta"), pdf});
        QVERIFY(xmp.contains(QStringLiteral("pdfaid:part=\"1\"")));
        QVERIFY(xmp.contains(QStringLiteral("pdfaid:conformance=\"B\"")));
        QVERIFY(xmp.contains(QStringLiteral("<rdf:li>Ana María Pérez Gutiérrez</rdf:li>")));
        QVERIFY(xmp.contains(QStringLiteral("pdf:Keywords=\"") + hash));

        const QStringList fonts = linealidad::test::popplerOutput(QStringLiteral("pdffonts"), {pdf})
                                      .split('\n', Qt::SkipEmptyParts)
                                      .mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QVERIFY2(font.simplified().split(' ').value(font.simplified().split(' ').size() - 5) ==
                         QStringLiteral("yes"),
                     qPrintable(font));
    }

    // The information dictionary is rewritten in place: the cross-reference table still points
    // at every object of the file (a reader would rebuild a broken one without a word).
    void crossReferencesHold() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        const QString study = QStringLiteral(LINEALIDAD_EJEMPLOS "/ejemplo-trabajado.w02");
        QCOMPARE(run({"--pdf", pdf, study}, dir.path()).exitCode, 0);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const auto end = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"))
                             .match(QString::fromLatin1(bytes));
        QVERIFY(end.hasMatch());
        const qsizetype table = end.captured(1).toLongLong();
        const auto heading = QRegularExpression(QStringLiteral("^xref\\n0 (\\d+)\\s*\\n"))
                                 .match(QString::fromLatin1(bytes.mid(table, 32)));
        QVERIFY(heading.hasMatch());
        const int count = heading.captured(1).toInt();
        const qsizetype entries = table + heading.capturedLength();
        for (int object = 1; object < count; ++object) {
            const QByteArray entry = bytes.mid(entries + qsizetype(object) * 20, 20);
            if (entry.at(17) != 'n')
                continue;
            const qsizetype offset = entry.left(10).toLongLong();
            QVERIFY2(bytes.mid(offset).startsWith(QByteArray::number(object) + " 0 obj"),
                     qPrintable(QString::number(object)));
        }
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
