#include "gui/app/HelpViewer.h"
#include "gui/common/AcceptanceSettings.h"
#include "gui/results/AcceptanceCriteriaDialog.h"
#include "gui/results/AcceptanceWindow.h"
#include "support/RowsToString.h"
#include "support/TestStudies.h"
#include "support/TestWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using namespace linealidad;
using test::WithStudy;
using Criteria = std::vector<AcceptanceCriterion>;

namespace {

using Row = std::vector<QString>;

Row row(CriterionKind kind, const char* value, const char* limit, const char* word) {
    return {QString::fromStdString(criterionName(kind)), QString::fromUtf8(value),
            QString::fromUtf8(limit), QString::fromUtf8(word)};
}

QString quotedName(CriterionKind kind) {
    return QStringLiteral("«%1»").arg(QString::fromStdString(criterionName(kind)));
}

// The worked example against the default criteria, as the window shows it.
const std::vector<Row> kWorkedExample = {
    row(CriterionKind::Determination, "0.976252", "≥ 0.98", "NO CUMPLE"),
    row(CriterionKind::RegressionCv, "7.418", "≤ 2", "NO CUMPLE"),
    row(CriterionKind::SlopeExcludesZero, "[0.763898; 1.1861]", "excluye 0", "CUMPLE"),
    row(CriterionKind::InterceptContainsZero, "[-0.356033; 0.556033]", "contiene 0", "CUMPLE"),
    row(CriterionKind::LackOfFit, "0.642409", "≥ 0.05", "CUMPLE"),
    row(CriterionKind::StudentizedResiduals, "1.50674", "≤ 3", "CUMPLE"),
    row(CriterionKind::DetectionLimit, "0.514695", "", ""),
    row(CriterionKind::QuantificationLimit, "1.55968", "", ""),
};

QString savedText() {
    return QSettings(QStringLiteral("Linealidad"), QStringLiteral("Linealidad"))
        .value(QStringLiteral("dictamen/criterios"))
        .toString();
}

// Answers the criteria dialog by running `edit` on it, then pressing "Aceptar".
std::function<int(QDialog&)> answer(std::function<void(AcceptanceCriteriaDialog&)> edit) {
    return [edit](QDialog& window) {
        auto& dialog = dynamic_cast<AcceptanceCriteriaDialog&>(window);
        edit(dialog);
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        return dialog.result();
    };
}

} // namespace

Q_DECLARE_METATYPE(CriterionKind)

class TestAcceptanceWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { saveUserCriteria(defaultCriteria()); }
    void cleanup() { QVERIFY(test::noStrayWindows()); }

    void workedExampleVerdict() {
        WithStudy v;
        v.form->showAcceptanceVerdict();
        QVERIFY(v.form->acceptanceWindow());
        QCOMPARE(v.form->acceptanceWindow()->rows(), kWorkedExample);
        QCOMPARE(v.form->acceptanceWindow()->verdictLine(), QStringLiteral("DICTAMEN: NO CUMPLE"));
        QCOMPARE(v.form->acceptanceWindow()->windowTitle(),
                 QStringLiteral("Dictamen de aceptación"));
        QVERIFY(v.dialogs->messages.isEmpty());
        QVERIFY(v.dialogs->errors.isEmpty());
        QTest::keyClick(v.form.get(), Qt::Key_F1);
        QCOMPARE(v.form->findChild<HelpViewer*>()->currentPage(), QStringLiteral("dictamen.html"));
    }

    // F1 in the modal criteria dialog opens the topic in front of the dialog.
    void criteriaDialogHelp() {
        WithStudy v;
        v.form->showAcceptanceVerdict();
        QString page;
        v.dialogs->onShowModal = [&page](QDialog& dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            QTest::keyClick(&dialog, Qt::Key_F1);
            if (auto* viewer = dialog.findChild<HelpViewer*>())
                page = viewer->currentPage();
            return int(QDialog::Rejected);
        };
        v.form->acceptanceWindow()
            ->findChild<QPushButton*>(QStringLiteral("criteriaButton"))
            ->click();
        QCOMPARE(page, QStringLiteral("dictamen.html"));
    }

    // The analyst relaxes r² and CV in the dialog opened from the window: both rows and the
    // verdict turn, and the criteria are the user's from now on.
    void editedLimitsJudgeAgainAndAreKept() {
        WithStudy v;
        v.form->showAcceptanceVerdict();
        AcceptanceWindow* window = v.form->acceptanceWindow();
        QVERIFY(window);
        QString shownR2;
        v.dialogs->onShowModal = answer([&](AcceptanceCriteriaDialog& dialog) {
            shownR2 = dialog.limitBox(CriterionKind::Determination)->text();
            dialog.limitBox(CriterionKind::Determination)->setText(QStringLiteral("0.97"));
            dialog.limitBox(CriterionKind::RegressionCv)->setText(QStringLiteral("7.418"));
        });
        window->findChild<QPushButton*>(QStringLiteral("criteriaButton"))->click();
        QCOMPARE(shownR2, QStringLiteral("0.98"));
        QCOMPARE(window->rows()[0][3], QStringLiteral("CUMPLE"));
        QCOMPARE(window->rows()[1], row(CriterionKind::RegressionCv, "7.418", "≤ 7.418",
                                        "CUMPLE")); // equal to its limit
        QCOMPARE(window->verdictLine(), QStringLiteral("DICTAMEN: CUMPLE"));
        QVERIFY(v.dialogs->messages.isEmpty());

        Criteria expected = defaultCriteria();
        expected[0].limit = 0.97;
        expected[1].limit = 7.418;
        QCOMPARE(userCriteria(), expected);
        QCOMPARE(savedText(), QString::fromStdString(criteriaText(expected)));
    }

    // Unchecked criteria leave the window; a limit given to the detection limit judges it.
    void removedAndAddedCriteria() {
        WithStudy v;
        v.form->showAcceptanceVerdict();
        AcceptanceWindow* window = v.form->acceptanceWindow();
        v.dialogs->onShowModal = answer([](AcceptanceCriteriaDialog& dialog) {
            dialog.keepBox(CriterionKind::Determination)->setChecked(false);
            dialog.keepBox(CriterionKind::RegressionCv)->setChecked(false);
            dialog.keepBox(CriterionKind::QuantificationLimit)->setChecked(false);
            QVERIFY(!dialog.limitBox(CriterionKind::RegressionCv)->isEnabled());
            dialog.limitBox(CriterionKind::DetectionLimit)->setText(QStringLiteral("0.5"));
        });
        window->findChild<QPushButton*>(QStringLiteral("criteriaButton"))->click();
        const auto rows = window->rows();
        QCOMPARE(rows.size(), std::size_t(5));
        QCOMPARE(rows[0][0],
                 QString::fromStdString(criterionName(CriterionKind::SlopeExcludesZero)));
        QCOMPARE(rows[4], row(CriterionKind::DetectionLimit, "0.514695", "≤ 0.5", "NO CUMPLE"));
        QCOMPARE(window->verdictLine(), QStringLiteral("DICTAMEN: NO CUMPLE"));
        QCOMPARE(userCriteria().size(), std::size_t(5));
    }

    void restoreDefaults() {
        Criteria changed = {{CriterionKind::RegressionCv, 5.5}, {CriterionKind::LackOfFit, 0.1}};
        saveUserCriteria(changed);
        QCOMPARE(userCriteria(), changed);
        test::FakeDialogs dialogs;
        AcceptanceCriteriaDialog dialog(userCriteria(), dialogs);
        QVERIFY(!dialog.keepBox(CriterionKind::Determination)->isChecked());
        QCOMPARE(dialog.limitBox(CriterionKind::RegressionCv)->text(), QStringLiteral("5.5"));
        dialog.findChild<QPushButton*>(QStringLiteral("restoreDefaults"))->click();
        QCOMPARE(dialog.limitBox(CriterionKind::RegressionCv)->text(), QStringLiteral("2"));
        QCOMPARE(dialog.limitBox(CriterionKind::DetectionLimit)->text(), QString());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.criteria(), defaultCriteria());
    }

    // Limits are shown and typed with this computer's decimal separator.
    void limitsInTheLocalSeparator() {
        setDecimalSeparator(',');
        test::FakeDialogs dialogs;
        AcceptanceCriteriaDialog dialog(defaultCriteria(), dialogs);
        QCOMPARE(dialog.limitBox(CriterionKind::Determination)->text(), QStringLiteral("0,98"));
        dialog.limitBox(CriterionKind::LackOfFit)->setText(QStringLiteral("0,025"));
        dialog.accept();
        setDecimalSeparator('.');
        QCOMPARE(dialogs.messages, QStringList());
        QCOMPARE(dialog.criteria().at(4), (AcceptanceCriterion{CriterionKind::LackOfFit, 0.025}));
    }

    void invalidLimitRefused_data() {
        QTest::addColumn<CriterionKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString r2 = quotedName(CriterionKind::Determination);
        const QString cv = quotedName(CriterionKind::RegressionCv);
        QTest::newRow("letters") << CriterionKind::Determination << QStringLiteral("abc")
                                 << QStringLiteral("El límite de %1 no es un número: «abc». Use "
                                                   "«.» como separador decimal.")
                                        .arg(r2);
        QTest::newRow("other separator")
            << CriterionKind::RegressionCv << QStringLiteral("2,5")
            << QStringLiteral("El límite de %1 no es un número: «2,5». Use «.» como separador "
                              "decimal.")
                   .arg(cv);
        QTest::newRow("empty") << CriterionKind::RegressionCv << QString()
                               << QStringLiteral("Escriba el límite de %1.").arg(cv);
        QTest::newRow("r² above 1")
            << CriterionKind::Determination << QStringLiteral("1.5")
            << QStringLiteral("El límite de %1 debe estar entre 0 y 1.").arg(r2);
        QTest::newRow("negative CV")
            << CriterionKind::RegressionCv << QStringLiteral("-1")
            << QStringLiteral("El límite de %1 no puede ser negativo.").arg(cv);
    }
    void invalidLimitRefused() {
        QFETCH(CriterionKind, kind);
        QFETCH(QString, text);
        QFETCH(QString, message);
        test::FakeDialogs dialogs;
        AcceptanceCriteriaDialog dialog(defaultCriteria(), dialogs);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.limitBox(kind)->setText(text);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialogs.messages, QStringList{message});
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), dialog.limitBox(kind));
        dialog.limitBox(kind)->setText(QStringLiteral("0.5"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(userCriteria(), defaultCriteria()); // the dialog itself saves nothing
    }

    // A verdict window stays with the study it judged: the study corrected and closed, it is
    // still there and judges that study again when the criteria change.
    void theWindowKeepsItsStudy() {
        WithStudy v;
        v.form->showAcceptanceVerdict();
        AcceptanceWindow* window = v.form->acceptanceWindow();
        v.form->Finforma()->loadStudy(test::study({2, 2, 2}, {"1", "1", "2", "2", "3", "3"},
                                                  {"1", "1.01", "2", "2.01", "3", "3.01"}));
        Criteria r2Only = {{CriterionKind::Determination, 0.5}};
        saveUserCriteria(r2Only);
        QCOMPARE(window->rows(), std::vector<Row>{row(CriterionKind::Determination, "0.976252",
                                                      "≥ 0.5", "CUMPLE")});
        v.form->Finforma()->close();
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestAcceptanceWindow)
#include "tst_acceptancewindow.moc"
