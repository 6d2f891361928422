#include "core/app/EnablingRules.h"

#include <QtTest>

using namespace linealidad;

Q_DECLARE_METATYPE(CommandGroup)
Q_DECLARE_METATYPE(StudyEvent)
Q_DECLARE_METATYPE(Change)

namespace {

constexpr int kLastEvent = static_cast<int>(StudyEvent::LastChildWindowCloses);

} // namespace

// The enabling table read one cell at a time; the windows applying it are checked in the GUI
// test of the enabling rules.
class TestEnablingTable : public QObject {
    Q_OBJECT
private slots:
    void cells_data() {
        QTest::addColumn<CommandGroup>("group");
        QTest::addColumn<StudyEvent>("event");
        QTest::addColumn<Change>("change");
        using G = CommandGroup;
        using E = StudyEvent;
        using C = Change;
        QTest::newRow("start: new on") << G::New << E::AtStart << C::Enable;
        QTest::newRow("start: close off") << G::Close << E::AtStart << C::Disable;
        QTest::newRow("new: open off") << G::Open << E::New << C::Disable;
        QTest::newRow("new: windows unchanged") << G::Windows << E::New << C::Unchanged;
        QTest::newRow("open: inference on") << G::Inference << E::OpenDone << C::Enable;
        // A study read is ready at once: saving, printing and the calculations come on.
        QTest::newRow("open: save on") << G::Save << E::OpenDone << C::Enable;
        QTest::newRow("open: print on") << G::Print << E::OpenDone << C::Enable;
        QTest::newRow("open: menu on") << G::CalculationsMenu << E::OpenDone << C::Enable;
        QTest::newRow("grid: menu on") << G::CalculationsMenu << E::DataGridEntered << C::Enable;
        QTest::newRow("grid: pop-up on") << G::PopupItems << E::DataGridEntered << C::Enable;
        QTest::newRow("key: save on") << G::Save << E::KeyInDataGrid << C::Enable;
        QTest::newRow("key: print unchanged") << G::Print << E::KeyInDataGrid << C::Unchanged;
        QTest::newRow("last cell: print on") << G::Print << E::KeyInLastDataCell << C::Enable;
        QTest::newRow("cerrar: windows off") << G::Windows << E::ClosedByCerrar << C::Disable;
        QTest::newRow("study closes: new unchanged")
            << G::New << E::StudyWindowCloses << C::Unchanged;
        QTest::newRow("study closes: pop-up unchanged")
            << G::PopupItems << E::StudyWindowCloses << C::Unchanged;
        QTest::newRow("last closes: new on") << G::New << E::LastChildWindowCloses << C::Enable;
        QTest::newRow("last closes: inference off")
            << G::Inference << E::LastChildWindowCloses << C::Disable;
        QTest::newRow("last closes: other calculations unchanged")
            << G::OtherCalculations << E::LastChildWindowCloses << C::Unchanged;
    }
    void cells() {
        QFETCH(CommandGroup, group);
        QFETCH(StudyEvent, event);
        QFETCH(Change, change);
        QCOMPARE(changeFor(group, event), change);
    }

    // "&Cálculos" itself, once on, is never switched off again.
    void calculationsMenuStaysOn() {
        for (int e = 1; e <= kLastEvent; ++e)
            QVERIFY2(changeFor(CommandGroup::CalculationsMenu, static_cast<StudyEvent>(e)) !=
                         Change::Disable,
                     qPrintable(QString::number(e)));
    }

    void alwaysOnFromTheStart() {
        QCOMPARE(changeFor(CommandGroup::Always, StudyEvent::AtStart), Change::Enable);
        for (int e = 1; e <= kLastEvent; ++e)
            QCOMPARE(changeFor(CommandGroup::Always, static_cast<StudyEvent>(e)),
                     Change::Unchanged);
    }
};

QTEST_APPLESS_MAIN(TestEnablingTable)
#include "tst_enablingtable.moc"
