#include "core/platform/PosixFile.h"
#include "core/study/FileAccess.h"
#include "core/study/ReplacementFile.h"
#include "core/text/Errors.h"

#include "support/FileBytes.h"
#include "support/ThrownMessage.h"

#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace linealidad;
using test::filesIn;
using test::readBytes;
using test::writeBytes;

namespace {

void save(const QString& path, const std::string& bytes) {
    replaceFileBytes(path.toStdString(), bytes);
}

// The message of the FileError that an action throws, or an empty text.
const auto fileError = &test::thrownMessage<FileError>;

// A temporary file name as the save makes them, for a machine and a process.
QString temporaryName(const std::string& host, long process) {
    return QStringLiteral(".linealidad-%1-%2-0.tmp").arg(QString::fromStdString(host)).arg(process);
}

// The number of a process that has ended.
long endedProcess() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// Whether the process holds a file open in `folder`, and how it names it ("#123 (deleted)" for
// a file without a name).
std::optional<QString> openFileIn(pid_t process, const QString& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string prefix = folder.toStdString() + '/';
    for (fs::directory_iterator fd("/proc/" + std::to_string(process) + "/fd", error), end;
         !error && fd != end; fd.increment(error)) {
        std::error_code gone;
        const std::string target = fs::read_symlink(fd->path(), gone).string();
        if (!gone && target.starts_with(prefix))
            return QString::fromStdString(target.substr(prefix.size()));
    }
    return std::nullopt;
}

} // namespace

class TestFileAccess : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void cleanup() {
        for (const QString& name : filesIn(dir.path()))
            QFile::remove(path(name));
    }

    // A temporary name made by adding to the target's name would pass the system's limit of
    // 255 bytes for a name.
    void namesAsLongAsTheSystemAllows_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("exists");
        QTest::newRow("new, 244 bytes") << 244 << false;
        QTest::newRow("new, 255 bytes") << 255 << false;
        QTest::newRow("existing, 244 bytes") << 244 << true;
        QTest::newRow("existing, 255 bytes") << 255 << true;
    }
    void namesAsLongAsTheSystemAllows() {
        QFETCH(int, length);
        QFETCH(bool, exists);
        const QString name = QString(length - 4, QLatin1Char('n')) + ".w02";
        if (exists)
            writeBytes(path(name), "antes\r\n");
        QCOMPARE(fileError([&] { save(path(name), "1\r\n"); }), QString());
        QCOMPARE(readBytes(path(name)), std::string("1\r\n"));
        QCOMPARE(filesIn(dir.path()), QStringList{name});
    }

    void readOnlyFileIsRefusedAndKept_data() {
        QTest::addColumn<int>("permissions");
        QTest::newRow("read-only for all") << int(QFile::ReadOwner | QFile::ReadGroup);
        QTest::newRow("no permission at all") << 0;
    }
    void readOnlyFileIsRefusedAndKept() {
        QFETCH(int, permissions);
        const QString target = path("protegido.w02");
        writeBytes(target, "antes\r\n");
        QVERIFY(QFile::setPermissions(target, QFile::Permissions::fromInt(permissions)));
        QCOMPARE(
            fileError([&] { save(target, "después\r\n"); }),
            QStringLiteral("El archivo \"%1\" es de solo lectura: no se reemplazó.").arg(target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readBytes(target), std::string("antes\r\n"));
        QCOMPARE(filesIn(dir.path()), QStringList{"protegido.w02"});
    }

    void readOnlyFileBehindALinkIsKept() {
        const QString target = path("protegido.w02");
        writeBytes(target, "antes\r\n");
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
        QVERIFY(QFile::link("protegido.w02", path("enlace.w02")));
        QVERIFY(!fileError([&] { save(path("enlace.w02"), "después\r\n"); }).isEmpty());
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readBytes(target), std::string("antes\r\n"));
        QVERIFY(QFileInfo(path("enlace.w02")).isSymLink());
    }

    // The link stays a link, and the file at its end gets the new content.
    void linksAreFollowed_data() {
        QTest::addColumn<QStringList>("links"); // each names the next; the last names the file
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("relative") << QStringList{"enlace.w02"} << "real.w02" << true;
        QTest::newRow("into a folder") << QStringList{"enlace.w02"} << "sub/real.w02" << true;
        QTest::newRow("chain") << QStringList{"a.w02", "b.w02"} << "real.w02" << true;
        QTest::newRow("to a file not made yet") << QStringList{"enlace.w02"} << "real.w02" << false;
    }
    void linksAreFollowed() {
        QFETCH(QStringList, links);
        QFETCH(QString, file);
        QFETCH(bool, fileExists);
        QVERIFY(QDir(dir.path()).mkpath("sub"));
        if (fileExists)
            writeBytes(path(file), "antes\r\n");
        for (int i = 0; i < links.size(); ++i)
            QVERIFY(QFile::link(i + 1 < links.size() ? links[i + 1] : file, path(links[i])));

        save(path(links.first()), "1\r\n");
        QCOMPARE(readBytes(path(file)), std::string("1\r\n"));
        for (const QString& link : links)
            QVERIFY(QFileInfo(path(link)).isSymLink());
        QDir(path("sub")).removeRecursively();
    }

    // A save that the system kills while it writes leaves the previous file as it was, and
    // nothing else: the new content is in a file without a name, which the system removes.
    void killedSaveLeavesNothingBehind() {
        const QString target = path("estudio.w02");
        writeBytes(target, "antes\r\n");
        const pid_t saver = fork();
        if (saver == 0) {
            // Large enough that the kill comes while it is being written.
            replaceFileBytes(target.toStdString(), std::string(64 << 20, 'x'));
            _exit(0);
        }
        std::optional<QString> writing;
        QElapsedTimer waiting;
        waiting.start();
        while (!writing && waiting.elapsed() < 10000)
            writing = openFileIn(saver, dir.path());
        kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        QVERIFY2(writing, "the save never opened its new file");
        QVERIFY2(writing->endsWith(" (deleted)"), qPrintable(*writing));

        QCOMPARE(readBytes(target), std::string("antes\r\n"));
        QCOMPARE(filesIn(dir.path()), QStringList{"estudio.w02"});
    }

    // The new file is readable by its owner alone from its first byte, whatever the umask, even
    // where it has a temporary name from the start (network folders): it is widened to the old
    // file's permissions only once it exists, never narrowed after others could open it.
    void temporaryStartsPrivate_data() {
        QTest::addColumn<int>("naming");
        QTest::newRow("unnamed where possible")
            << int(ReplacementFile::Naming::UnnamedWherePossible);
        QTest::newRow("named") << int(ReplacementFile::Naming::Named);
    }
    void temporaryStartsPrivate() {
        QFETCH(int, naming);
        const mode_t previous = ::umask(0);
        {
            ReplacementFile content(dir.path().toStdString(), 0600,
                                    static_cast<ReplacementFile::Naming>(naming));
            struct stat info {};
            QCOMPARE(::fstat(content.file().descriptor(), &info), 0);
            QCOMPARE(info.st_mode & 07777, mode_t(0600));
            QCOMPARE(content.temporaryPath().empty(),
                     naming == int(ReplacementFile::Naming::UnnamedWherePossible));
        }
        ::umask(previous);
        QCOMPARE(filesIn(dir.path()), QStringList()); // never moved into place: gone
    }

    // A save keeps the file's permissions, and its owner and group where the process may give
    // them (the superuser may give any); a new file follows the umask.
    void identityIsKept_data() {
        QTest::addColumn<int>("permissions");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("0600") << 0600 << false;
        QTest::newRow("0640") << 0640 << false;
        QTest::newRow("0604, wider than the new file starts") << 0604 << false;
        QTest::newRow("another owner and group") << 0640 << true;
    }
    void identityIsKept() {
        QFETCH(int, permissions);
        QFETCH(bool, otherOwner);
        if (otherOwner && ::geteuid() != 0)
            QSKIP("only the superuser saves files of other users as theirs");
        const QString target = path("estudio.w02");
        const QByteArray name = QFile::encodeName(target);
        writeBytes(target, "antes\r\n");
        QCOMPARE(::chmod(name.constData(), static_cast<mode_t>(permissions)), 0);
        if (otherOwner)
            QCOMPARE(::chown(name.constData(), 4321, 4321), 0);
        struct stat before {};
        QCOMPARE(::stat(name.constData(), &before), 0);

        save(target, "1\r\n");
        struct stat after {};
        QCOMPARE(::stat(name.constData(), &after), 0);
        QCOMPARE(after.st_mode & 07777, mode_t(permissions));
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QVERIFY(after.st_ino != before.st_ino); // a new file: hard links keep the old one

        const mode_t previous = ::umask(027);
        save(path("nuevo.w02"), "1\r\n");
        ::umask(previous);
        QCOMPARE(QFileInfo(path("nuevo.w02")).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                     QFile::ReadGroup);
    }

    // Where files without a name are not available, a killed save leaves its temporary name;
    // the next save in that folder removes those of programs of this machine that have ended,
    // and no other file, whether that save succeeds or not.
    void temporariesOfEndedProgramsAreRemoved_data() {
        QTest::addColumn<bool>("refused");
        QTest::newRow("a save") << false;
        QTest::newRow("a refused save") << true;
    }
    void temporariesOfEndedProgramsAreRemoved() {
        QFETCH(bool, refused);
        const std::string host = platform::hostName();
        const QString ended = temporaryName(host, endedProcess());
        const QStringList kept = {
            temporaryName(host, getppid()),                // its program still runs
            temporaryName("otra-maquina", endedProcess()), // on another machine, maybe running
            ".linealidad-notas.tmp",                       // not a name the save makes
            "estudio.w02.tmp-1-0",
        };
        for (const QString& name : kept)
            writeBytes(path(name), "x");
        writeBytes(path(ended), "x");
        writeBytes(path("estudio.w02"), "antes\r\n");
        if (refused)
            QVERIFY(QFile::setPermissions(path("estudio.w02"), QFile::ReadOwner));

        const QString error = fileError([&] { save(path("estudio.w02"), "1\r\n"); });
        QCOMPARE(error.isEmpty(), !refused);
        QFile::setPermissions(path("estudio.w02"), QFile::ReadOwner | QFile::WriteOwner);
        QStringList expected = kept;
        expected << "estudio.w02";
        expected.sort();
        QCOMPARE(filesIn(dir.path()), expected);
    }
};

QTEST_APPLESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
