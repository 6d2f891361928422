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
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace linealidad {
namespace {

// The widest part: the figures per level.
constexpr int kColumns = 8;
// A list's name takes the first columns, its value the others.
constexpr int kListNameColumns = 4;
// Room around a cell's text.
constexpr int kCellPadding = 14;

// Lays the parts out, one below the other, in one table: a table of widgets per part costs
// more than the whole computation. Each title runs across the table, a table's headings are
// in bold on the button colour, an empty row follows each part. A list's name and value, and
// a row's last cell (where a reason why a statistic does not apply runs on), span several
// columns: each column is as wide as its own cells ask, and the last column of a span takes
// what a spanning cell needs beyond them.
class PartsLayout {
public:
    explicit PartsLayout(QTableWidget& table)
        : table_(table), bold_(boldened(table.font())), plainMetrics_(table.font()),
          boldMetrics_(bold_), widths_(kColumns, 0) {}

    // The rows the parts take, set at once: a row inserted at a time costs the view a layout.
    static int rowCount(const std::vector<ValidationSection>& sections) {
        int rows = 0;
        for (const ValidationSection& section : sections)
            rows += (section.headings.empty() ? 2 : 3) + static_cast<int>(section.rows.size());
        return rows;
    }

    // Returns the table row of the part's first row.
    int add(const ValidationSection& section) {
        const int row = next_++;
        item(row, 0, section.title)->setFont(bold_);
        table_.setSpan(row, 0, 1, kColumns);
        if (!section.headings.empty())
            tableRow(section.headings, true);
        const int first = next_;
        for (const auto& cells : section.rows) {
            if (section.headings.empty())
                listRow(cells);
            else
                tableRow(cells, false);
        }
        ++next_; // the empty row after the part
        return first;
    }

    void applyWidths() {
        for (const Spanning& s : spanning_) {
            int room = 0;
            for (int c = s.first; c <= s.last; ++c)
                room += widths_[static_cast<std::size_t>(c)] + kCellPadding;
            widths_[static_cast<std::size_t>(s.last)] += std::max(0, s.width - room);
        }
        for (int c = 0; c < kColumns; ++c)
            table_.setColumnWidth(c, widths_[static_cast<std::size_t>(c)] + kCellPadding);
    }

private:
    struct Spanning {
        int first, last, width;
    };

    QTableWidgetItem* item(int row, int column, const std::string& text) {
        auto* cell = new QTableWidgetItem(QString::fromStdString(text));
        cell->setFlags(Qt::ItemIsEnabled);
        table_.setItem(row, column, cell);
        return cell;
    }

    // A cell from column `first` to `last`, and the width its text asks.
    void place(int row, int first, int last, const std::string& text, bool heading) {
        QTableWidgetItem* cell = item(row, first, text);
        if (heading) {
            cell->setFont(bold_);
            cell->setBackground(table_.palette().button());
        }
        const int width = (heading ? boldMetrics_ : plainMetrics_).horizontalAdvance(cell->text());
        if (first == last) {
            int& w = widths_[static_cast<std::size_t>(first)];
            w = std::max(w, width);
            return;
        }
        table_.setSpan(row, first, 1, last - first + 1);
        spanning_.push_back({first, last, width});
    }

    void listRow(const std::vector<std::string>& cells) {
        const int row = next_++;
        place(row, 0, kListNameColumns - 1, cells.at(0), false);
        place(row, kListNameColumns, kColumns - 1, cells.at(1), false);
    }

    // The heading row too: its last heading spans to the edge, with the button colour.
    void tableRow(const std::vector<std::string>& cells, bool heading) {
        const int row = next_++;
        const int last = static_cast<int>(cells.size()) - 1;
        for (int c = 0; c <= last; ++c)
            place(row, c, c == last ? kColumns - 1 : c, cells[static_cast<std::size_t>(c)],
                  heading);
    }

    static QFont boldened(QFont font) {
        font.setBold(true);
        return font;
    }

    QTableWidget& table_;
    QFont bold_;
    QFontMetrics plainMetrics_;
    QFontMetrics boldMetrics_;
    std::vector<int> widths_;
    std::vector<Spanning> spanning_;
    int next_ = 0;
};

} // namespace

ValidationWindow::ValidationWindow(ResultHost& host, const Study& study, char decimal)
    : ResultWindow(host, QStringLiteral("Estadística de validación"), QSize(820, 560),
                   help::kValidation),
      study_(study), decimal_(decimal) {
    setObjectName(QStringLiteral("ValidationWindow"));
    auto* contents = new QWidget(this);

    recovery_ = new QCheckBox(QStringLiteral("Y es la cantidad &recuperada"), contents);
    recovery_->setObjectName(QStringLiteral("recoveryBox"));
    recovery_->setToolTip(QStringLiteral("Linealidad del método: Y es la cantidad encontrada de la "
                                         "X adicionada; muestra el recobro"));
    recovery_->setChecked(userRecovery());
    // Kept in the user's settings: every validation and verdict on screen follows.
    connect(recovery_, &QCheckBox::toggled, this, [](bool on) { saveUserRecovery(on); });

    table_ = new QTableWidget(0, kColumns, contents);
    table_->setObjectName(QStringLiteral("partsTable"));
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setShowGrid(false);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setTabKeyNavigation(false); // Tab goes back to the check box
    addCloseMenu(table_);

    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(recovery_);
    layout->addWidget(table_, 1);
    setWidget(contents);

    connect(&criteriaNotifier(), &CriteriaNotifier::changed, this, &ValidationWindow::computeAgain);
}

void ValidationWindow::fill(const std::vector<ValidationSection>& sections) {
    sections_ = sections;
    firstRows_.clear();
    table_->clearSpans();
    table_->setRowCount(0);
    table_->setRowCount(PartsLayout::rowCount(sections));
    PartsLayout parts(*table_);
    for (const ValidationSection& section : sections)
        firstRows_.push_back(parts.add(section));
    parts.applyWidths();
}

QString ValidationWindow::cellText(int part, int row, int cell) const {
    const auto index = static_cast<std::size_t>(part);
    const bool list = sections_.at(index).headings.empty();
    const QTableWidgetItem* item =
        table_->item(firstRows_.at(index) + row, list && cell == 1 ? kListNameColumns : cell);
    return item ? item->text() : QString();
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
    runCommand(host().dialogs(), [this, recovered] {
        if (auto statistics = validationCommand(study_, decimal_, host().results(), recovered))
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
