#include "core/study/StudyFile.h"
#include "core/text/Errors.h"
#include "support/TestStudies.h"

#include "support/FileBytes.h"
#include "support/ThrownMessage.h"

#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>

using namespace linealidad;
using test::filesIn;
using test::readBytes;
using test::writeBytes;

namespace {

// The lines joined with the given line end, the last one ended too.
std::string file(const QStringList& lines, const char* end = "\r\n") {
    std::string bytes;
    for (const QString& line : lines)
        bytes += line.toStdString() + end;
    return bytes;
}

// A file of `levels` levels of two replicates each, with X = level and Y = 2 X.
QStringList levelLines(int levels) {
    QStringList lines = {"Método", "Analista", "01/02/2026", "mg", "Área", QString::number(levels)};
    for (int i = 1; i <= levels; ++i)
        lines << "2";
    for (int i = 1; i <= levels; ++i)
        lines << QString::number(i) << QString::number(i);
    for (int i = 1; i <= levels; ++i)
        lines << QString::number(2 * i) + ".1" << QString::number(2 * i) + ".2";
    return lines << ""
                 << ""
                 << "";
}

// The message of the StudyFormatError that reading `bytes` throws, or an empty text.
QString formatError(const QString& path, const std::string& bytes) {
    writeBytes(path, bytes);
    try {
        readStudy(path.toStdString());
    } catch (const StudyFormatError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

// The message of the FileError that an action throws, or an empty text.
const auto fileError = &test::thrownMessage<FileError>;

Study threeByThree() {
    return test::described(
        test::study({3, 3, 3}, {"1", "1", "1", "2", "2", "2", "3", "3", "3"},
                    {"0.98", "1.01", "1.03", "2.0", "1.97", "2.05", "3.1", "2.95", "3.02"}),
        "Valoración", "Ana", "08/12/2026", "mg", " Absorbancia ");
}

} // namespace

class TestStudyFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void writeThirtyLines() {
        writeStudy(path("e.w02").toStdString(), threeByThree(), {"Título", "", "Eje Y"});
        const std::string expected =
            "Valoraci\xF3n\r\nAna\r\n08/12/2026\r\nmg\r\n Absorbancia \r\n3\r\n3\r\n3\r\n3\r\n"
            "1\r\n1\r\n1\r\n2\r\n2\r\n2\r\n3\r\n3\r\n3\r\n"
            "0.98\r\n1.01\r\n1.03\r\n2.0\r\n1.97\r\n2.05\r\n3.1\r\n2.95\r\n3.02\r\n"
            "T\xEDtulo\r\n\r\nEje Y\r\n";
        QCOMPARE(readBytes(path("e.w02")), expected);
        QCOMPARE(QString::fromStdString(expected).count("\r\n"), 30);
    }

    void roundTripOfANewStudy() {
        Study fresh = Study::fresh();
        for (int i = 1; i <= 3; ++i)
            fresh.stgniveles.setCell(i, 1, "3");
        for (int j = 1; j <= 9; ++j) {
            fresh.stgdatos.setCell(1, j, std::to_string(j));
            fresh.stgdatos.setCell(2, j, std::to_string(j) + ",5");
        }
        fresh.emetodo = "Método";
        writeStudy(path("n.w02").toStdString(), fresh, {"", "", ""});
        const Study s = readStudy(path("n.w02").toStdString());

        QCOMPARE(s.emetodo, std::string("Método"));
        QCOMPARE(s.eniveles, std::string("3"));
        QCOMPARE(s.stgniveles.colCount(), 4);
        QCOMPARE(s.stgdatos.rowCount(), 10);
        QCOMPARE(s.stgdatos.cell(2, 9), std::string("9,5"));
        // The titles of a study read from a file, not those of a new one.
        QCOMPARE(s.stgniveles.cell(0, 0), std::string("     Nivel"));
        QCOMPARE(s.stgniveles.cell(0, 1), std::string(" # Replicas"));
        QCOMPARE(s.stgniveles.cell(3, 0), std::string("           3"));
        QCOMPARE(s.stgdatos.cell(0, 0), std::string(" Nivel"));
        QCOMPARE(s.stgdatos.cell(2, 0), std::string(" Y"));
        QCOMPARE(s.stgdatos.cell(0, 1), std::string("          1"));
        QCOMPARE(s.stgdatos.cell(0, 4), std::string("          2"));
        QCOMPARE(s.stgdatos.cell(0, 9), std::string("          3"));
    }

    void roundTripOfAReadStudy() {
        writeStudy(path("a.txt").toStdString(), test::workedExample(), {"T", "X", "Y"});
        const Study read = readStudy(path("a.txt").toStdString());
        QCOMPARE(read.eanalista, std::string("Ana Pérez"));
        QCOMPARE(read.stgdatos.rowCount(), 7);
        writeStudy(path("b.txt").toStdString(), read, {"T", "X", "Y"});
        QCOMPARE(readBytes(path("b.txt")), readBytes(path("a.txt")));
    }

    void lineEnds() {
        const QStringList lines = levelLines(3);
        for (const char* end : {"\n", "\r"}) {
            writeBytes(path("lf.w02"), file(lines, end));
            const Study s = readStudy(path("lf.w02").toStdString());
            QCOMPARE(s.emedida, std::string("Área"));
            QCOMPARE(s.stgdatos.rowCount(), 7);
            QCOMPARE(s.stgdatos.cell(2, 6), std::string("6.2"));
        }
    }

    void missingFinalLines() {
        QStringList lines = levelLines(3);
        lines.resize(lines.size() - 5); // no titles, and the last two Y values gone
        writeBytes(path("corto.w02"), file(lines));
        const Study s = readStudy(path("corto.w02").toStdString());
        QCOMPARE(s.stgdatos.rowCount(), 7);
        QCOMPARE(s.stgdatos.cell(2, 4), std::string("4.2"));
        QCOMPARE(s.stgdatos.cell(2, 5), std::string());
        QCOMPARE(s.stgdatos.cell(2, 6), std::string());

        // The last line without its line end still counts.
        const std::string complete = file(levelLines(3));
        writeBytes(path("sinfin.w02"), complete.substr(0, complete.find("2.1\r\n") + 3));
        QCOMPARE(readStudy(path("sinfin.w02").toStdString()).stgdatos.cell(2, 1), "2.1");
    }

    void sevenAndTenLevels() {
        for (int levels : {7, 10}) {
            writeBytes(path("n.w02"), file(levelLines(levels)));
            const Study s = readStudy(path("n.w02").toStdString());
            QCOMPARE(s.stgniveles.colCount(), levels + 1);
            QCOMPARE(s.stgdatos.rowCount(), 2 * levels + 1);
            QCOMPARE(s.stgniveles.cell(levels, 0), std::string(11, ' ') + std::to_string(levels));
            QCOMPARE(s.stgdatos.cell(0, 2 * levels), std::string(10, ' ') + std::to_string(levels));
            QCOMPARE(s.stgdatos.cell(1, 2 * levels), std::to_string(levels));
        }
    }

    void filesThatAreNoStudies_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expected");
        const QStringList text = {"M", "A", "F", "U", "P"};
        QTest::newRow("niveles no entero")
            << (text + QStringList{"x"})
            << "no es un estudio: la línea 6 debe tener el número de niveles (un número entero, "
               "cero o mayor) y tiene \"x\".";
        QTest::newRow("niveles que faltan")
            << text
            << "la línea 6 debe tener el número de niveles (un número entero, cero o mayor) y "
               "el archivo termina antes.";
        QTest::newRow("niveles negativos") << (text + QStringList{"-3"}) << "la línea 6";
        QTest::newRow("replica decimal")
            << (text + QStringList{"3", "2", "2.5", "2"})
            << "la línea 8 debe tener el número de réplicas del nivel 2 (un número entero, cero "
               "o mayor) y tiene \"2.5\".";
        QTest::newRow("replica negativa")
            << (text + QStringList{"3", "2", "2", "-1"})
            << "la línea 9 debe tener el número de réplicas del nivel 3";
        QTest::newRow("replica que falta")
            << (text + QStringList{"3", "2", "2"})
            << "la línea 9 debe tener el número de réplicas del nivel 3 (un número entero, cero "
               "o mayor) y el archivo termina antes.";
        QTest::newRow("31 niveles")
            << (text + QStringList{"31"})
            << "no se puede abrir: la línea 6 indica 31 niveles y el programa admite como "
               "máximo 30.";
        QTest::newRow("151 observaciones")
            << (text + QStringList{"3", "50", "100", "1"})
            << "no se puede abrir: las réplicas hasta la línea 9 suman 151 observaciones y el "
               "programa admite como máximo 150.";
        QTest::newRow("replicas enormes")
            << (text + QStringList{"2", "100", "2147483647"})
            << "las réplicas hasta la línea 8 suman 2147483747 observaciones";
    }

    void filesThatAreNoStudies() {
        QFETCH(QStringList, lines);
        QFETCH(QString, expected);
        const QString message = formatError(path("malo.w02"), file(lines));
        QVERIFY2(message.startsWith("El archivo \"" + path("malo.w02") + "\" "),
                 qPrintable(message));
        QVERIFY2(message.contains(expected), qPrintable(message));
    }

    void acceptedLimits() {
        QStringList lines = {"", "", "", "", "", "30"};
        for (int i = 1; i <= 30; ++i)
            lines << QString::number(i <= 15 ? 10 : 0);
        writeBytes(path("lim.w02"), file(lines));
        const Study s = readStudy(path("lim.w02").toStdString());
        QCOMPARE(s.stgniveles.colCount(), 31);
        QCOMPARE(s.stgdatos.rowCount(), 151);
        QCOMPARE(s.stgdatos.cell(0, 150), std::string("          15"));
    }

    void windows1252() {
        // A whole file in Windows-1252, as earlier versions wrote them.
        std::string bytes = file(levelLines(3));
        bytes = "Cuantificaci\xF3n \x80 \x81 \xBF?" + bytes.substr(bytes.find("\r\n"));
        bytes.replace(bytes.find("\xC3\x81rea"), 2, "\xC1");
        writeBytes(path("ansi.w02"), bytes);
        const Study s = readStudy(path("ansi.w02").toStdString());
        QCOMPARE(s.emetodo, std::string("Cuantificación € \u0081 ¿?"));
        QCOMPARE(s.emedida, std::string("Área"));

        writeStudy(path("ansi2.w02").toStdString(), s, {"", "", ""});
        QCOMPARE(readBytes(path("ansi2.w02")), bytes);
    }

    void utf8() {
        Study s = test::workedExample();
        s.emetodo = "Valoración α ✓";
        writeStudy(path("u.w02").toStdString(), s, {"Título", "", ""});
        QVERIFY(readBytes(path("u.w02")).starts_with("Valoración α ✓\r\nAna Pérez\r\n"));
        const Study read = readStudy(path("u.w02").toStdString());
        QCOMPARE(read.emetodo, s.emetodo);
        QCOMPARE(read.eanalista, std::string("Ana Pérez"));

        // A byte-order mark opens some UTF-8 files and is not part of the method name.
        writeBytes(path("bom.w02"), "\xEF\xBB\xBF" + file(levelLines(3)));
        QCOMPARE(readStudy(path("bom.w02").toStdString()).emetodo, std::string("Método"));
    }

    void windows1252TextThatLooksLikeUtf8() {
        // "Ã³" in Windows-1252 is the UTF-8 of "ó": stored so, it would come back changed.
        Study s = test::workedExample();
        s.emetodo = "Ã³";
        s.eanalista = "Peña";
        writeStudy(path("amb.w02").toStdString(), s, {"", "", ""});
        const Study read = readStudy(path("amb.w02").toStdString());
        QCOMPARE(read.emetodo, s.emetodo);
        QCOMPARE(read.eanalista, s.eanalista);
    }

    void fileErrors() {
        QCOMPARE(fileError([&] { readStudy(path("no-existe.w02").toStdString()); }),
                 QString("File not found"));
        QCOMPARE(fileError([&] { readStudy(dir.path().toStdString()); }),
                 "El archivo \"" + dir.path() + "\" no es un archivo normal: no se puede abrir.");
    }

    void failedSaveDestroysNothing() {
        QTemporaryDir apart;
        const QString previous = apart.filePath("estudio.w02");
        writeStudy(previous.toStdString(), threeByThree(), {"", "", ""});
        const std::string before = readBytes(previous);
        const Study other = test::workedExample();
        const ChartTitles titles{"", "", ""};

        QCOMPARE(fileError([&] {
                     writeStudy(apart.filePath("falta/e.w02").toStdString(), other, titles);
                 }),
                 QString("File not found"));
        // A path through a regular file.
        QCOMPARE(fileError([&] { writeStudy((previous + "/e.w02").toStdString(), other, titles); }),
                 QString("File not found"));
        // A directory in the way: refused before anything is written.
        QVERIFY(QDir(apart.path()).mkpath("carpeta/dentro"));
        QCOMPARE(
            fileError([&] { writeStudy(apart.filePath("carpeta").toStdString(), other, titles); }),
            "El archivo \"" + apart.filePath("carpeta") +
                "\" no es un archivo normal: no se reemplazó.");
        QVERIFY(QFileInfo(apart.filePath("carpeta/dentro")).isDir());

        // The disk fills up in the middle of writing over the previous file.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{64, limit.rlim_max};
        const auto signalNumber = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const QString message =
            fileError([&] { writeStudy(previous.toStdString(), other, titles); });
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, signalNumber);
        QCOMPARE(message, QString("I/O error %1").arg(EFBIG));

        QCOMPARE(readBytes(previous), before);
        QCOMPARE(filesIn(apart.path()), QStringList({"carpeta", "estudio.w02"}));
    }

    void savingOverAStudyReplacesIt() {
        const QString target = path("reemplazo.w02");
        writeStudy(target.toStdString(), threeByThree(), {"", "", ""});
        namespace fs = std::filesystem;
        const auto permissions =
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
        fs::permissions(target.toStdString(), permissions);
        writeStudy(target.toStdString(), test::workedExample(), {"", "", ""});
        QCOMPARE(readStudy(target.toStdString()).stgdatos.rowCount(), 7);
        QVERIFY(fs::status(target.toStdString()).permissions() == permissions);
        QVERIFY(!filesIn(dir.path()).join(' ').contains(".tmp"));
    }

    void savingThroughALinkReplacesTheFileItNames() {
        QTemporaryDir apart;
        const QString real = apart.filePath("real.w02");
        const QString link = apart.filePath("enlace.w02");
        writeStudy(real.toStdString(), threeByThree(), {"", "", ""});
        QVERIFY(QFile::link(real, link));

        writeStudy(link.toStdString(), test::workedExample(), {"", "", ""});
        QCOMPARE(QFileInfo(link).symLinkTarget(), real);
        QCOMPARE(readStudy(real.toStdString()).stgdatos.rowCount(), 7);
        QCOMPARE(filesIn(apart.path()), QStringList({"enlace.w02", "real.w02"}));
    }
};

QTEST_APPLESS_MAIN(TestStudyFile)
#include "tst_studyfile.moc"
