#include "core/study/StudyFile.h"
#include "core/text/Errors.h"
#include "support/TestStudies.h"

#include "support/FileBytes.h"

#include <QtTest>

#include <fstream>
#include <sys/resource.h>

using namespace linealidad;
using test::writeBytes;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

QString formatError(const QString& path) {
    try {
        readStudy(path.toStdString());
    } catch (const StudyFormatError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

QString tooLarge(const QString& path) {
    return "El archivo \"" + path +
           "\" no se puede abrir: ocupa más de 1048576 bytes (1 MiB) y el programa admite como "
           "máximo ese tamaño.";
}

// The bytes of the worked example as the program saves it.
std::string workedExampleFile(const QString& path) {
    writeStudy(path.toStdString(), test::workedExample(), {"Título", "", ""});
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The command-line tool's report of `file` and its exit code, run with its address space
// limited to `bytes`: a reading that kept every line of a megabyte file would need tens of
// megabytes more than the tool itself.
std::pair<QByteArray, int> reportWithin(const QString& file, rlim_t bytes) {
    QProcess cli;
    cli.setChildProcessModifier([bytes] {
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_AS, &limit);
    });
    cli.start(LINEALIDAD_CLI, {"informe", file});
    cli.waitForFinished();
    return {cli.readAllStandardOutput(), cli.exitCode()};
}

} // namespace

// Files a hostile user may hand the open command: huge, endless, or a study buried in junk.
class TestHostileFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void largerThanAStudyIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("10 MB de líneas vacías") << "vacias.w02" << QByteArray(10'000'000, '\n');
        QTest::newRow("estudio y 10 MB de basura") << "basura.w02" << QByteArray(10'000'000, 'x');
    }

    void largerThanAStudyIsRefused() {
        QFETCH(QString, name);
        QFETCH(QByteArray, tail);
        const std::string study = name == "vacias.w02" ? "" : workedExampleFile(path("e.w02"));
        writeBytes(path(name), study + tail.toStdString());
        QCOMPARE(formatError(path(name)), tooLarge(path(name)));
    }

    // A device is no study: refused before it is read (or even opened).
    void deviceWithoutEndIsRefused() {
        try {
            readStudy("/dev/zero");
            QFAIL("read");
        } catch (const FileError& e) {
            QCOMPARE(QString::fromStdString(e.what()),
                     QStringLiteral("El archivo \"/dev/zero\" no es un archivo normal: no se puede "
                                    "abrir."));
        }
    }

    void largestFileIsRead() {
        const std::string study = workedExampleFile(path("e.w02"));
        const Study expected = readStudy(path("e.w02").toStdString());
        const std::string junk(kMaximumFileBytes - study.size(), '\n');
        writeBytes(path("max.w02"), study + junk);
        const Study read = readStudy(path("max.w02").toStdString());
        QCOMPARE(read.stgdatos.cell(2, 6), expected.stgdatos.cell(2, 6));
        QCOMPARE(read.emetodo, expected.emetodo);

        writeBytes(path("max1.w02"), study + junk + "\n");
        QCOMPARE(formatError(path("max1.w02")), tooLarge(path("max1.w02")));
    }

    void studyFollowedByJunkReadsInLittleMemory() {
        if (kAddressSanitizer)
            QSKIP("the sanitizer's own reservations make the address-space limit meaningless");
        constexpr rlim_t kLimit = 24 << 20;
        const std::string study = workedExampleFile(path("e.w02"));
        const auto [expected, status] = reportWithin(path("e.w02"), kLimit);
        QCOMPARE(status, 0);
        QVERIFY(expected.contains("COEFICIENTE DE DETERMINACIÓN (r^2) = 0.9762516046"));
        for (const char* line : {"\n", "\r\n", "x\n"}) {
            std::string bytes = study;
            while (bytes.size() + 2 <= kMaximumFileBytes)
                bytes += line;
            writeBytes(path("basura.w02"), bytes);
            const auto [report, junkStatus] = reportWithin(path("basura.w02"), kLimit);
            QCOMPARE(junkStatus, 0);
            QCOMPARE(report, expected);
        }
    }

    void nulInACountLine() {
        writeBytes(path("nul.w02"), std::string("M\r\nA\r\nF\r\nU\r\nP\r\n3\0 niveles\r\n", 27));
        QVERIFY2(formatError(path("nul.w02"))
                     .endsWith("la línea 6 debe tener el número de niveles (un número entero, "
                               "cero o mayor) y tiene \"3␀ niveles\"."),
                 qPrintable(formatError(path("nul.w02"))));
    }
};

QTEST_APPLESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
