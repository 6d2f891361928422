#include "core/acceptance/CriteriaFile.h"
#include "core/app/RecoveryStore.h"
#include "core/study/FileAccess.h"
#include "core/study/StudyFile.h"
#include "core/study/TableImport.h"
#include "support/FileBytes.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace linealidad;

namespace {

const std::string kBefore = "antes\r\n";

// What a path is, without following a link: its type, and a regular file's bytes.
QString whatIs(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("nothing");
    if (S_ISLNK(info.st_mode))
        return "link to " + QFile::symLinkTarget(path);
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("pipe");
    if (S_ISCHR(info.st_mode))
        return QStringLiteral("device");
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("folder");
    return "file: " + QString::fromStdString(test::readBytes(path));
}

// The message of the file error `action` throws; empty when it throws none (a file that was
// read and is no study, no table, no criteria is not a file error).
QString fileError(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& e) {
        return QString::fromStdString(e.what());
    } catch (const Fault&) {
    }
    return {};
}

} // namespace

// Every kind of thing a path may name, through the safe save and every reader: only regular
// files are replaced or read; anything else is refused at once and left as it was.
class TestFileKinds : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString target() const { return dir.filePath("objetivo.w02"); }

    // `kind` at the target, beside a regular file "real.w02".
    void make(const QString& kind) {
        test::writeBytes(dir.filePath("real.w02"), kBefore);
        const QByteArray path = QFile::encodeName(target());
        if (kind == "regular")
            test::writeBytes(target(), kBefore);
        else if (kind == "read-only") {
            test::writeBytes(target(), kBefore);
            QVERIFY(QFile::setPermissions(target(), QFile::ReadOwner | QFile::ReadGroup));
        } else if (kind == "link")
            QVERIFY(QFile::link("real.w02", target()));
        else if (kind == "loop") {
            QVERIFY(QFile::link("objetivo.w02", dir.filePath("otro.w02")));
            QVERIFY(QFile::link("otro.w02", target()));
        } else if (kind == "pipe")
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("objetivo.w02"));
        else if (kind == "device" && ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QVERIFY(QFile::link("/dev/null", target())); // a user who may not make devices
    }

private slots:
    void cleanup() {
        QFile::setPermissions(target(), QFile::ReadOwner | QFile::WriteOwner);
        QDir(target()).removeRecursively();
        for (const QString& name :
             QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
            QFile::remove(dir.filePath(name));
    }

    void targets_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("saveRefusal"); // empty: saved
        QTest::addColumn<bool>("readable");
        const QString notRegular = "no es un archivo normal: no se reemplazó.";
        QTest::newRow("regular file") << "regular"
                                      << "" << true;
        QTest::newRow("link to a file") << "link"
                                        << "" << true;
        QTest::newRow("loop of links") << "loop" << notRegular << false;
        QTest::newRow("pipe") << "pipe" << notRegular << false;
        QTest::newRow("device") << "device" << notRegular << false;
        QTest::newRow("folder") << "folder" << notRegular << false;
        QTest::newRow("read-only file") << "read-only"
                                        << "es de solo lectura: no se reemplazó." << true;
    }

    void targets() {
        QFETCH(QString, kind);
        QFETCH(QString, saveRefusal);
        QFETCH(bool, readable);
        make(kind);
        const QString before = whatIs(target());
        const std::string path = QFile::encodeName(target()).toStdString();

        // The readers: a study, a table, a criteria file, as the program opens them.
        const QString refused =
            "El archivo \"" + target() + "\" no es un archivo normal: no se puede abrir.";
        for (const auto& read : std::initializer_list<std::function<void()>>{
                 [&] { readStudy(path); }, [&] { readTableFile(path); },
                 [&] { readCriteriaFile(path); }}) {
            const QString message = fileError(read);
            QVERIFY2(readable ? message.isEmpty() : message == refused, qPrintable(message));
        }
        QCOMPARE(whatIs(target()), before);

        // The safe save: written through, or refused with the target as it was.
        const QString message = fileError([&] {
            writeStudy(path, test::workedExample(), {"", "", ""});
        });
        if (saveRefusal.isEmpty()) {
            QCOMPARE(message, QString());
            QVERIFY(readStudy(path).emetodo == test::workedExample().emetodo);
            QCOMPARE(whatIs(target()).section(' ', 0, 0), before.section(' ', 0, 0));
        } else {
            QCOMPARE(message, "El archivo \"" + target() + "\" " + saveRefusal);
            QCOMPARE(whatIs(target()), before);
        }
        // The file a link names is the one saved; any other is untouched.
        const bool realSaved = test::readBytes(dir.filePath("real.w02")) != kBefore;
        QCOMPARE(realSaved, kind == "link");
    }

    // A recovery copy that is not a regular file is set aside unread, at once.
    void pipeAsARecoveryCopy() {
        const QString folder = dir.filePath("estado");
        QVERIFY(QDir(dir.path()).mkdir("estado"));
        QCOMPARE(::mkfifo(QFile::encodeName(folder + "/recovery-1.txt").constData(), 0600), 0);
        RecoveryStore store(QFile::encodeName(folder).toStdString());
        QVERIFY(!store.takeLeftCopy());
        QCOMPARE(store.takeSetAside().size(), std::size_t(1));
        QCOMPARE(whatIs(folder + "/unreadable-1-1.txt"), QStringLiteral("pipe"));
        QDir(folder).removeRecursively();
    }
};

QTEST_APPLESS_MAIN(TestFileKinds)
#include "tst_filekinds.moc"
