#include "gui/results/AcceptanceWindow.h"

#include "gui/common/AcceptanceSettings.h"
#include "gui/common/Dialogs.h"
#include "gui/common/ResultHost.h"
#include "gui/common/RunCommand.h"
#include "gui/common/helpcons.h"
#include "gui/results/AcceptanceCriteriaDialog.h"
#include "gui/results/ResultCommand.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace linealidad {
namespace {

const QColor kPassColour(0, 110, 0);
const QColor kFailColour(190, 0, 0);

QString verdictText(bool passes) {
    return QStringLiteral("DICTAMEN: ") + QString::fromUtf8(verdictWord(passes));
}

QTableWidgetItem* item(const std::string& text) {
    auto* cell = new QTableWidgetItem(QString::fromStdString(text));
    cell->setFlags(Qt::ItemIsEnabled);
    return cell;
}

} // namespace

AcceptanceWindow::AcceptanceWindow(ResultHost& host, const Study& study, char decimal)
    : ResultWindow(host, QStringLiteral("Dictamen de aceptación"), QSize(700, 340),
                   help::kAcceptance),
      study_(study), decimal_(decimal) {
    setObjectName(QStringLiteral("AcceptanceWindow"));
    auto* contents = new QWidget(this);

    table_ = new QTableWidget(0, 4, contents);
    table_->setObjectName(QStringLiteral("criteriaTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Criterio"), QStringLiteral("Valor"),
                                       QStringLiteral("Límite"), QStringLiteral("Resultado")});
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false); // Tab goes on to the criteria button
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    addCloseMenu(table_);

    verdict_ = new QLabel(contents);
    verdict_->setObjectName(QStringLiteral("verdictLabel"));
    QFont large = verdict_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.6);
    verdict_->setFont(large);

    criteriaButton_ = new QPushButton(QStringLiteral("Criterios de aceptación..."), contents);
    criteriaButton_->setObjectName(QStringLiteral("criteriaButton"));
    criteriaButton_->setAutoDefault(true); // Enter presses it as Space does
    connect(criteriaButton_, &QPushButton::clicked, this, &AcceptanceWindow::editCriteria);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(verdict_, 1);
    bottom->addWidget(criteriaButton_);
    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);
    setWidget(contents);

    // Criteria changed here or in another verdict window: this one follows.
    connect(&criteriaNotifier(), &CriteriaNotifier::changed, this, &AcceptanceWindow::judgeAgain);
}

void AcceptanceWindow::fill(const AcceptanceVerdict& verdict) {
    table_->setRowCount(static_cast<int>(verdict.outcomes.size()));
    int row = 0;
    for (const CriterionOutcome& outcome : verdict.outcomes) {
        table_->setItem(row, 0, item(outcome.name));
        table_->setItem(row, 1, item(outcome.value));
        table_->setItem(row, 2, item(outcome.limit));
        QTableWidgetItem* word = item(outcome.passes ? verdictWord(*outcome.passes) : "");
        if (outcome.passes) {
            word->setForeground(*outcome.passes ? kPassColour : kFailColour);
            QFont bold = word->font();
            bold.setBold(true);
            word->setFont(bold);
        }
        table_->setItem(row++, 3, word);
    }
    verdict_->setText(verdictText(verdict.passes));
    QPalette colour = verdict_->palette();
    colour.setColor(QPalette::WindowText, verdict.passes ? kPassColour : kFailColour);
    verdict_->setPalette(colour);
}

std::vector<std::vector<QString>> AcceptanceWindow::rows() const {
    std::vector<std::vector<QString>> cells;
    for (int row = 0; row < table_->rowCount(); ++row) {
        cells.emplace_back();
        for (int col = 0; col < table_->columnCount(); ++col)
            cells.back().push_back(table_->item(row, col)->text());
    }
    return cells;
}

QString AcceptanceWindow::verdictLine() const {
    return verdict_->text();
}

// The table as shown, its headings first, and the verdict line below.
CellRows AcceptanceWindow::copyCells() const {
    CellRows cells(1);
    for (int col = 0; col < table_->columnCount(); ++col)
        cells[0].push_back(table_->horizontalHeaderItem(col)->text().toStdString());
    for (const auto& row : rows()) {
        cells.emplace_back();
        for (const QString& text : row)
            cells.back().push_back(text.toStdString());
    }
    cells.push_back({verdictLine().toStdString()});
    return cells;
}

void AcceptanceWindow::editCriteria() {
    AcceptanceCriteriaDialog dialog(userCriteria(), host().dialogs(), this);
    // The dialog is modal: its F1 opens the topic beside it, not behind it.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    connect(f1, &QShortcut::activated, &dialog,
            [this, &dialog] { host().showHelp(help::kAcceptance, &dialog); });
    if (host().dialogs().showModal(dialog) == QDialog::Accepted)
        saveUserCriteria(dialog.criteria());
}

// The study kept gave a slope that is not zero once; judged again it gives the same fit.
void AcceptanceWindow::judgeAgain() {
    runCommand(host().dialogs(), [this] {
        if (auto verdict = evaluateAcceptance(study_, decimal_, userCriteria(), host().results(),
                                              userRecovery()))
            fill(*verdict);
    });
}

AcceptanceWindow* AcceptanceWindow::showVerdict(ResultHost& host) {
    AcceptanceWindow* window = nullptr;
    runResultCommand(host, [&](const Study& study, char decimal, ResultSet& results) {
        const std::optional<AcceptanceVerdict> verdict =
            evaluateAcceptance(study, decimal, userCriteria(), results, userRecovery());
        if (!verdict) {
            reportZeroSlope(host);
            return;
        }
        window = new AcceptanceWindow(host, study, decimal);
        window->fill(*verdict);
        window->showIn(host.ClientArea());
    });
    return window;
}

} // namespace linealidad
