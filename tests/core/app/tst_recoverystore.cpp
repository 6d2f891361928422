#include "core/app/RecoveryStore.h"
#include "support/TestStudies.h"

#include <QtTest>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace linealidad;

namespace {

std::string copyOf(const std::string& method) {
    Study study = Study::fresh();
    study.emetodo = method;
    return recoveryCopyText(study, {"", "", ""});
}

QString methodOf(const std::optional<RecoveryStore::LeftCopy>& left) {
    return left ? QString::fromStdString(left->copy.study.emetodo) : QStringLiteral("(none)");
}

// The copies of the stores, left as a crash leaves them: the stores are gone, their locks with
// them, their copies not.
void leave(const QString& folder, const QStringList& methods) {
    for (const QString& method : methods) {
        RecoveryStore store(folder.toStdString());
        store.write(copyOf(method.toStdString()));
    }
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

class TestRecoveryStore : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString folder() const { return dir.filePath("estado/linealidad"); }

private slots:
    void cleanup() { QDir(dir.filePath("estado")).removeRecursively(); }

    void folderOfTheCopies_data() {
        QTest::addColumn<QString>("stateHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("folder");
        QTest::newRow("state folder") << "/x/state"
                                      << "/home/u"
                                      << "/x/state/linealidad";
        QTest::newRow("no state folder") << ""
                                         << "/home/u"
                                         << "/home/u/.local/state/linealidad";
        QTest::newRow("relative state folder") << "state"
                                               << "/home/u"
                                               << "/home/u/.local/state/linealidad";
        QTest::newRow("neither") << ""
                                 << ""
                                 << "";
    }
    void folderOfTheCopies() {
        QFETCH(QString, stateHome);
        QFETCH(QString, home);
        QFETCH(QString, folder);
        const std::string state = stateHome.toStdString();
        const std::string user = home.toStdString();
        const auto found = recoveryFolder(stateHome.isEmpty() ? nullptr : state.c_str(),
                                          home.isEmpty() ? nullptr : user.c_str());
        QCOMPARE(QString::fromStdString(found.value_or("")), folder);
    }

    // A copy is written whole in the private folder, and discarded when asked.
    void writeAndDiscard() {
        RecoveryStore store(folder().toStdString());
        QVERIFY(store.ownCopy().empty());
        store.write(copyOf("uno"));
        store.write(copyOf("dos"));
        QVERIFY(std::filesystem::status(folder().toStdString()).permissions() ==
                std::filesystem::perms::owner_all);
        QCOMPARE(filesIn(folder()), QStringList({"recovery-1.lock", "recovery-1.txt"}));
        store.discard();
        QCOMPARE(filesIn(folder()), QStringList({"recovery-1.lock"}));
    }

    // Programs running at the same time keep their copies apart and never offer each other's.
    void runningProgramsKeepTheirCopies() {
        RecoveryStore first(folder().toStdString());
        RecoveryStore second(folder().toStdString());
        first.write(copyOf("primero"));
        second.write(copyOf("segundo"));
        QVERIFY(first.ownCopy() != second.ownCopy());

        RecoveryStore starting(folder().toStdString());
        QCOMPARE(methodOf(starting.takeLeftCopy()), QStringLiteral("(none)"));
        starting.write(copyOf("tercero"));
        QCOMPARE(filesIn(folder()).filter(".txt").size(), 3);
    }

    // The copies of ended programs, newest first, each once; the taken one is the program's
    // own from then on.
    void leftCopiesAreOfferedOnce() {
        leave(folder(), {"viejo"});
        std::filesystem::last_write_time((folder() + "/recovery-1.txt").toStdString(),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(1));
        leave(folder(), {"nuevo"});
        QCOMPARE(filesIn(folder()).filter(".txt").size(), 2);

        RecoveryStore store(folder().toStdString());
        const auto newest = store.takeLeftCopy();
        QCOMPARE(methodOf(newest), QStringLiteral("nuevo"));
        QCOMPARE(newest->path, store.ownCopy());
        // While it is offered, no other program takes it.
        RecoveryStore other(folder().toStdString());
        QCOMPARE(methodOf(other.takeLeftCopy()), QStringLiteral("viejo"));
        QCOMPARE(methodOf(other.takeLeftCopy()), QStringLiteral("(none)"));

        // "No" removes it; the other copy is the other program's now.
        store.discard();
        QCOMPARE(methodOf(store.takeLeftCopy()), QStringLiteral("(none)"));
        // A taken copy is replaced in place by the next write.
        other.write(copyOf("recuperado"));
        QCOMPARE(filesIn(folder()).filter(".txt"), QStringList{"recovery-1.txt"});
    }

    // A new program's copy never overwrites a left copy that was not offered yet.
    void leftCopyWaitsForItsOffer() {
        leave(folder(), {"dejado"});
        RecoveryStore store(folder().toStdString());
        store.write(copyOf("propio"));
        QCOMPARE(filesIn(folder()).filter(".txt").size(), 2);
        RecoveryStore later(folder().toStdString());
        QCOMPARE(methodOf(later.takeLeftCopy()), QStringLiteral("dejado"));
    }

    // "Más tarde": the copy stays for a later start, and the program's own typing goes to a
    // copy of its own.
    void putBackCopyWaitsForALaterStart() {
        leave(folder(), {"dejado"});
        {
            RecoveryStore store(folder().toStdString());
            QCOMPARE(methodOf(store.takeLeftCopy()), QStringLiteral("dejado"));
            store.putBack();
            QCOMPARE(methodOf(store.takeLeftCopy()), QStringLiteral("(none)")); // offered once
            store.write(copyOf("propio"));
            QCOMPARE(QString::fromStdString(store.ownCopy()), folder() + "/recovery-2.txt");
            store.discard();
        }
        RecoveryStore later(folder().toStdString());
        QCOMPARE(methodOf(later.takeLeftCopy()), QStringLiteral("dejado"));
    }

    // A left file that is no whole copy (damaged, beyond a study's bounds, not a regular file)
    // is set aside, said once and never offered again; the copies after it still are.
    void unreadableFilesAreSetAside_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("cut short") << "cut";
        QTest::newRow("2 000 000 000 rows declared") << "rows";
        QTest::newRow("larger than a copy") << "large";
        QTest::newRow("a pipe") << "fifo";
    }
    void unreadableFilesAreSetAside() {
        QFETCH(QString, kind);
        leave(folder(), {"bueno"});
        const std::string bad = (folder() + "/recovery-7.txt").toStdString();
        std::string text = copyOf("malo");
        if (kind == "cut")
            std::ofstream(bad) << text.substr(0, text.size() / 2);
        if (kind == "rows")
            std::ofstream(bad) << text.replace(text.find("3 10 3 1\n"), 8, "3 2000000000 3 1");
        if (kind == "large")
            std::ofstream(bad) << text << std::string(kMaximumCopyBytes, '\n');
        if (kind == "fifo")
            QCOMPARE(mkfifo(bad.c_str(), 0600), 0);
        std::filesystem::last_write_time(bad, std::filesystem::file_time_type::clock::now() +
                                                  std::chrono::hours(1)); // offered first
        std::ofstream((folder() + "/notas.txt").toStdString()) << "de otro";

        RecoveryStore store(folder().toStdString());
        QCOMPARE(methodOf(store.takeLeftCopy()), QStringLiteral("bueno"));
        const auto setAside = store.takeSetAside();
        QCOMPARE(setAside.size(), std::size_t(1));
        QCOMPARE(setAside[0].copy, bad);
        QCOMPARE(QString::fromStdString(setAside[0].keptAs), folder() + "/unreadable-7-1.txt");
        QVERIFY(store.takeSetAside().empty()); // said once
        QCOMPARE(filesIn(folder()), QStringList({"notas.txt", "recovery-1.lock", "recovery-1.txt",
                                                 "recovery-7.lock", "unreadable-7-1.txt"}));
        store.discard();
        RecoveryStore later(folder().toStdString());
        QCOMPARE(methodOf(later.takeLeftCopy()), QStringLiteral("(none)"));
        QVERIFY(later.takeSetAside().empty());
    }

    // A second unreadable copy under the same number keeps the first one set aside.
    void setAsideNeverReplacesAnEarlierOne() {
        QVERIFY(QDir().mkpath(folder()));
        for (int start = 1; start <= 2; ++start) {
            std::ofstream((folder() + "/recovery-3.txt").toStdString()) << "dañada " << start;
            RecoveryStore store(folder().toStdString());
            QCOMPARE(methodOf(store.takeLeftCopy()), QStringLiteral("(none)"));
        }
        QCOMPARE(filesIn(folder()).filter("unreadable"),
                 QStringList({"unreadable-3-1.txt", "unreadable-3-2.txt"}));
    }

    void noFolderNoCopies() {
        RecoveryStore store(dir.filePath("no-existe").toStdString());
        QCOMPARE(methodOf(store.takeLeftCopy()), QStringLiteral("(none)"));
    }
};

QTEST_APPLESS_MAIN(TestRecoveryStore)
#include "tst_recoverystore.moc"
