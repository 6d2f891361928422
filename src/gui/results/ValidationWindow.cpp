#include "gui/results/ValidationWindow.h"

#include "core/results/ValidationCommand.h"
#include "gui/common/AcceptanceSettings.h"
#include "gui/common/Dialogs.h"
#include "gui/common/ResultHost.h"
#include "gui/common/RunCommand.h"
#include "gui/common/helpcons.h"
#include "gui/results/ResultCommand.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace linealidad {
namespace {

QTableWidgetItem* item(const std::string& text) {
    auto* cell = new QTableWidgetItem(QString::fromStdString(text));
    cell->setFlags(Qt::ItemIsEnabled);
    return cell;
}

// A part's table, as tall as its rows: the window scrolls, not each table.
QTableWidget* partTable(const ValidationSection& section, QWidget* parent) {
    int columns = static_cast<int>(section.headings.size());
    for (const auto& row : section.rows)
        columns = std::max(columns, static_cast<int>(row.size()));
    auto* table = new QTableWidget(static_cast<int>(section.rows.size()), columns, parent);
    table->verticalHeader()->hide();
    if (section.headings.empty()) {
        table->horizontalHeader()->hide();
    } else {
        QStringList headings;
        for (const std::string& h : section.headings)
            headings << QString::fromStdString(h);
        table->setHorizontalHeaderLabels(headings);
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = section.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns; ++c)
            table->setItem(r, c, item(c < static_cast<int>(row.size()) ? row[c] : ""));
    }
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFocusPolicy(Qt::NoFocus);
    table->setWordWrap(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->resizeColumnsToContents();
    int width = 2 * table->frameWidth();
    for (int c = 0; c < columns; ++c)
        width += table->columnWidth(c);
    int height = 2 * table->frameWidth();
    if (!table->horizontalHeader()->isHidden())
        height += table->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < table->rowCount(); ++r)
        height += table->rowHeight(r);
    table->setFixedSize(width, height);
    return table;
}

} // namespace

ValidationWindow::ValidationWindow(ResultHost& host, const Study& study, char decimal)
    : ResultWindow(host, QStringLiteral("Estadística de validación"), QSize(760, 540),
                   help::kValidation),
      host_(host), study_(study), decimal_(decimal) {
    setObjectName(QStringLiteral("ValidationWindow"));
    auto* contents = new QWidget(this);

    recovery_ = new QCheckBox(QStringLiteral("Y es la cantidad &recuperada"), contents);
    recovery_->setObjectName(QStringLiteral("recoveryBox"));
    recovery_->setToolTip(QStringLiteral("Linealidad del método: Y es la cantidad encontrada de la "
                                         "X adicionada; muestra el recobro"));
    recovery_->setChecked(userRecovery());
    // Kept in the user's settings: every validation and verdict on screen follows.
    connect(recovery_, &QCheckBox::toggled, this, [](bool on) { saveUserRecovery(on); });

    auto* scroll = new QScrollArea(contents);
    scroll->setObjectName(QStringLiteral("partsArea"));
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::StrongFocus); // the keys scroll the parts
    parts_ = new QWidget(scroll);
    partsLayout_ = new QVBoxLayout(parts_);
    scroll->setWidget(parts_);
    addCloseMenu(parts_);

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(recovery_);
    layout->addWidget(scroll, 1);
    setWidget(contents);

    connect(&criteriaNotifier(), &CriteriaNotifier::changed, this, &ValidationWindow::computeAgain);
}

void ValidationWindow::fill(const std::vector<ValidationSection>& sections) {
    sections_ = sections;
    while (QLayoutItem* old = partsLayout_->takeAt(0)) {
        delete old->widget();
        delete old;
    }
    int index = 0;
    for (const ValidationSection& section : sections) {
        auto* title = new QLabel(QString::fromStdString(section.title), parts_);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        QTableWidget* table = partTable(section, parts_);
        table->setObjectName(QStringLiteral("part%1").arg(index++));
        table->setAccessibleName(title->text());
        partsLayout_->addWidget(title);
        partsLayout_->addWidget(table, 0, Qt::AlignLeft);
    }
    partsLayout_->addStretch(1);
}

// Each part as shown: its title, its headings, its rows, and an empty row after it.
CellRows ValidationWindow::copyCells() const {
    CellRows cells;
    for (const ValidationSection& section : sections_) {
        cells.push_back({section.title});
        if (!section.headings.empty())
            cells.push_back(section.headings);
        cells.insert(cells.end(), section.rows.begin(), section.rows.end());
        cells.emplace_back();
    }
    return cells;
}

// The study kept gave a slope that is not zero once; computed again it gives the same fit.
void ValidationWindow::computeAgain() {
    const bool recovered = userRecovery();
    if (recovery_->isChecked() != recovered) {
        const QSignalBlocker quiet(recovery_);
        recovery_->setChecked(recovered);
    }
    runCommand(host_.dialogs(), [this, recovered] {
        if (auto statistics = validationCommand(study_, decimal_, host_.results(), recovered))
            fill(validationSections(*statistics, decimal_));
    });
}

ValidationWindow* ValidationWindow::showValidation(ResultHost& host) {
    ValidationWindow* window = nullptr;
    runResultCommand(host, [&](const Study& study, char decimal, ResultSet& results) {
        const auto statistics = validationCommand(study, decimal, results, userRecovery());
        if (!statistics) {
            reportZeroSlope(host);
            return;
        }
        window = new ValidationWindow(host, study, decimal);
        window->fill(validationSections(*statistics, decimal));
        window->showIn(host.ClientArea());
    });
    return window;
}

} // namespace linealidad
