#include "gui/app/HelpViewer.h"
#include "gui/common/AcceptanceSettings.h"
#include "gui/results/AcceptanceCriteriaDialog.h"
#include "gui/results/AcceptanceWindow.h"
#include "gui/results/ValidationWindow.h"
#include "support/RowsToString.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

using namespace linealidad;
using test::WithStudy;

namespace {

QStringList titles(const ValidationWindow& window) {
    QStringList result;
    for (const ValidationSection& s : window.sections())
        result << QString::fromStdString(s.title);
    return result;
}

QString shown(const ValidationWindow& window, int part, int row, int column) {
    return window.cellText(part, row, column);
}

const AcceptanceCriterion kRecovery{CriterionKind::RecoveryInterval, 98.0, 102.0};

} // namespace

class TestValidationWindow : public QObject {
    Q_OBJECT
private slots:
    void init() {
        saveUserCriteria(defaultCriteria());
        saveUserRecovery(false);
    }
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    // "Estadística de validación..." is on with the other calculations and opens the window
    // with every part; F1 there opens its topic.
    void opensFromTheMenu() {
        WithStudy v;
        QAction* item = v.action("ValidationItem");
        QCOMPARE(item->text(), QStringLiteral("&Estadística de validación..."));
        QCOMPARE(item->isEnabled(), v.enabled("AcceptanceItem"));
        item->setEnabled(true);
        item->trigger();
        ValidationWindow* window = v.form->validationWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Estadística de validación"));
        QCOMPARE(titles(*window).size(), 7);
        QCOMPARE(shown(*window, 0, 0, 4), QStringLiteral("0.141421"));
        QCOMPARE(shown(*window, 5, 0, 5), QStringLiteral("0.000898959"));
        QVERIFY(!window->recoveryBox()->isChecked());
        QVERIFY(v.dialogs->errors.isEmpty());
        QTest::keyClick(v.form.get(), Qt::Key_F1);
        QCOMPARE(v.form->findChild<HelpViewer*>()->currentPage(),
                 QStringLiteral("validacion.html"));
    }

    // Ticking "Y es la cantidad recuperada" keeps it in the user's settings, adds the recovery
    // to this window and lets the verdict judge the mean recovery.
    void recoveryTicked() {
        WithStudy v;
        saveUserCriteria({kRecovery});
        v.form->showAcceptanceVerdict();
        QCOMPARE(v.form->acceptanceWindow()->rows()[0][1],
                 QStringLiteral("no aplicable (Y no es la cantidad recuperada)"));
        v.form->showValidation();
        ValidationWindow* window = v.form->validationWindow();
        window->recoveryBox()->click();
        QVERIFY(userRecovery());
        QCOMPARE(titles(*window).size(), 9);
        QCOMPARE(shown(*window, 7, 0, 1), QStringLiteral("103.889"));
        QCOMPARE(v.form->acceptanceWindow()->rows()[0],
                 (std::vector<QString>{QString::fromStdString(criterionName(kRecovery.kind)),
                                       "103.889", "[98; 102]", "NO CUMPLE"}));
        window->recoveryBox()->click();
        QVERIFY(!userRecovery());
        QCOMPARE(titles(*window).size(), 7);
    }

    // Ctrl+C: every part, its title, headings and rows, as a spreadsheet takes them.
    void copiesEveryPart() {
        WithStudy v;
        v.form->showValidation();
        v.form->validationWindow()->copy();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.at(0), QStringLiteral("Por nivel"));
        QCOMPARE(lines.at(1), QStringLiteral("Nivel\tn\tX\tmedia Y\tDE Y\tCV %\tX recalculada\t"
                                             "error relativo %"));
        QVERIFY(lines.contains(QStringLiteral("Cochran C crítico (5 %)\t0.966944")));
    }

    // A zero slope says so and opens nothing.
    void zeroSlope() {
        WithStudy v(test::study({1, 1, 1}, {"1", "2", "3"}, {"2", "2", "2"}));
        v.form->showValidation();
        QVERIFY(!v.form->validationWindow());
        QCOMPARE(v.dialogs->messages,
                 QStringList{QStringLiteral("La pendiente es cero, imposible realizar cálculos.")});
    }

    // The recovery interval has two boxes; they are kept, refused when inverted, and shown
    // with this computer's decimal separator.
    void recoveryIntervalInTheCriteriaDialog() {
        setDecimalSeparator(',');
        test::FakeDialogs dialogs;
        AcceptanceCriteriaDialog dialog(defaultCriteria(), dialogs);
        const CriterionKind kind = CriterionKind::RecoveryInterval;
        QVERIFY(!dialog.keepBox(kind)->isChecked());
        QCOMPARE(dialog.limitBox(kind)->text(), QStringLiteral("98"));
        QCOMPARE(dialog.upperBox(kind)->text(), QStringLiteral("102"));
        QVERIFY(!dialog.upperBox(kind)->isEnabled());
        dialog.keepBox(kind)->setChecked(true);
        dialog.limitBox(kind)->setText(QStringLiteral("101,5"));
        dialog.upperBox(kind)->setText(QStringLiteral("98,5"));
        dialog.accept();
        QCOMPARE(dialogs.messages, QStringList{QString::fromUtf8(
                                       "Los límites de «Recobro medio (%)» están invertidos: el "
                                       "inferior es mayor que el superior.")});
        dialog.limitBox(kind)->setText(QStringLiteral("98,5"));
        dialog.upperBox(kind)->setText(QStringLiteral("101,5"));
        dialog.accept();
        setDecimalSeparator('.');
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.criteria().back(), (AcceptanceCriterion{kind, 98.5, 101.5}));
        QVERIFY(!dialog.upperBox(CriterionKind::LevelCv));
    }
};

QTEST_MAIN(TestValidationWindow)
#include "tst_validationwindow.moc"
