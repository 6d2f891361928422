#include "core/app/RecoveryStore.h"
#include "support/TestStudies.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace linealidad;

namespace {

// Every entry under `folder`, with what it holds and when it was last changed.
QStringList snapshot(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QFile file(path);
        QByteArray digest;
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        entries << QDir(folder).relativeFilePath(path) + ' ' + digest + ' ' +
                       info.lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

void write(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The suite passes, and leaves the user's home as it was, on a developer's machine whose
// folders hold what earlier runs of the program leave there: a study left by a killed run (the
// start-up would offer it in a real message box), a damaged copy, odd settings.
class TestUserHome : public QObject {
    Q_OBJECT
    QTemporaryDir home;

    void fillHome() {
        const QString state = home.filePath(".local/state/linealidad");
        QVERIFY(QDir().mkpath(state));
        RecoveryStore(QFile::encodeName(state).toStdString())
            .write(recoveryCopyText(test::workedExample(), {"", "", ""}));
        write(state + "/recovery-2.txt", "linealidad recovery copy 2\n\n");
        write(home.filePath(".config/Linealidad/Linealidad.conf"),
              "[dictamen]\ncriterios=[criterios]\\nr2_minimo = 2\\nclave_rara\n");
        write(home.filePath(".config/QtProject.conf"), "[FileDialog]\nlastVisited=/no/existe\n");
    }

private slots:
    void testsLeaveTheUserHomeAlone_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("main window and start-up") << QStringLiteral(LINEALIDAD_TEST_MAINWINDOW);
        QTest::newRow("recovery") << QStringLiteral(LINEALIDAD_TEST_RECOVERY);
        QTest::newRow("linealidad --pdf") << QStringLiteral(LINEALIDAD_TEST_HEADLESSPDF);
    }
    void testsLeaveTheUserHomeAlone() {
        QFETCH(QString, program);
        fillHome();
        const QStringList before = snapshot(home.path());
        QVERIFY(before.size() >= 6);

        QProcess test;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_STATE_HOME", home.filePath(".local/state"));
        environment.insert("XDG_CONFIG_HOME", home.filePath(".config"));
        environment.insert("XDG_CACHE_HOME", home.filePath(".cache"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        test.setProcessEnvironment(environment);
        test.setProcessChannelMode(QProcess::MergedChannels);
        test.start(program, {});
        QVERIFY(test.waitForStarted());
        if (!test.waitForFinished(120000)) {
            test.kill();
            test.waitForFinished();
            QFAIL("the test program waited on something");
        }
        QVERIFY2(test.exitStatus() == QProcess::NormalExit && test.exitCode() == 0,
                 test.readAll().right(3000).constData());
        QCOMPARE(snapshot(home.path()), before);
    }
};

QTEST_APPLESS_MAIN(TestUserHome)
#include "tst_userhome.moc"
