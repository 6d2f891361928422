#include "core/study/TableImport.h"

#include "core/study/FileAccess.h"
#include "core/study/StudyFile.h"
#include "core/text/Encoding.h"
#include "core/text/Errors.h"
#include "core/text/NumberParse.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace linealidad {
namespace {

// The levels a study may have: what the validation accepts, not only what can be typed.
constexpr int kFewestLevels = 3;
constexpr int kMostLevels = 10;
constexpr int kMostColumns = 3; // Nivel, X, Y

// The separators tried, most specific first: a tab or a semicolon is never part of a number,
// a comma is the decimal separator of many spreadsheets.
constexpr char kSeparators[] = {'\t', ';', ','};

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// One row of the table. Only its first cells are kept (a row wider than a study table is
// refused, and a file that is not a table must not fill the memory with empty cells).
struct TableRow {
    int number = 0; // as a spreadsheet numbers it: from 1, blank rows counted
    std::vector<std::string> cells;
    int cellCount = 0; // every cell, empty ones at the end too
    int usedWidth = 0; // up to the last cell that is not blank
};

// The rows of a table that are not blank.
struct SplitTable {
    std::vector<TableRow> rows;
    int unclosedQuoteRow = 0; // the row where an opening quote never closes, or 0
};

// Splits a table into rows and cells at one separator. A cell that starts with a quote (after
// blanks) runs to the closing quote, taking separators and line ends in it as text and "" as
// one quote; anything after the closing quote up to the separator is kept too. Rows end in
// CR LF, LF or a lone CR outside quotes.
class TableSplitter {
public:
    TableSplitter(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // At most `mostRows` rows that are not blank: enough to decide, however long the text.
    SplitTable split(std::size_t mostRows) {
        SplitTable table;
        for (int number = 1; pos_ < text_.size() && table.rows.size() < mostRows; ++number) {
            TableRow row = nextRow(number);
            if (unclosed_) {
                table.unclosedQuoteRow = number;
                break;
            }
            if (row.usedWidth > 0)
                table.rows.push_back(std::move(row));
        }
        return table;
    }

private:
    TableRow nextRow(int number) {
        TableRow row{.number = number, .cells = {}, .cellCount = 0, .usedWidth = 0};
        for (;;) {
            std::string cell = nextCell();
            ++row.cellCount;
            if (!isBlank(cell))
                row.usedWidth = row.cellCount;
            if (row.cells.size() <= kMostColumns)
                row.cells.push_back(std::move(cell));
            if (unclosed_ || pos_ == text_.size())
                return row;
            if (text_[pos_++] == separator_)
                continue;
            if (text_[pos_ - 1] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
                ++pos_;
            return row;
        }
    }

    // The cell at the current position; stops at its separator or line end.
    std::string nextCell() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
        std::string cell;
        if (pos_ < text_.size() && text_[pos_] == '"')
            cell = quotedText();
        else
            pos_ = start;
        const std::size_t rest = pos_;
        while (pos_ < text_.size() && !endsCell(text_[pos_]))
            ++pos_;
        return cell + std::string(text_.substr(rest, pos_ - rest));
    }

    // The text between the opening quote at the current position and its closing quote.
    std::string quotedText() {
        std::string text;
        for (++pos_;;) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos) {
                unclosed_ = true;
                pos_ = text_.size();
                return text;
            }
            text += text_.substr(pos_, quote - pos_);
            pos_ = quote + 1;
            if (pos_ == text_.size() || text_[pos_] != '"')
                return text;
            text += '"';
            ++pos_;
        }
    }

    bool endsCell(char c) const { return c == separator_ || c == '\r' || c == '\n'; }

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    bool unclosed_ = false;
};

// The heading row, the observations, one more to see that there are too many.
constexpr std::size_t kRowsToRead = kMaximumObservations + 2;

// The table's width: its widest row, leaving out blank cells at the right.
int widthOf(const SplitTable& table) {
    int width = 0;
    for (const TableRow& row : table.rows)
        width = std::max(width, row.usedWidth);
    return width;
}

const TableRow* firstRowNarrowerThan(const SplitTable& table, int width) {
    for (const TableRow& row : table.rows)
        if (row.cellCount < width)
            return &row;
    return nullptr;
}

const TableRow& firstRowAsWideAs(const SplitTable& table, int width) {
    return *std::ranges::find(table.rows, width, &TableRow::usedWidth);
}

// The rows as wide as the table, when it has the 2 or 3 columns of a study table; 0 otherwise.
std::size_t fullRows(const SplitTable& table) {
    const int width = widthOf(table);
    if (width != 2 && width != 3)
        return 0;
    return static_cast<std::size_t>(std::ranges::count_if(
        table.rows, [&](const TableRow& row) { return row.cellCount >= width; }));
}

// The separator that splits the text into a table a study can come from. When none does, the
// one that comes closest, so that the refusal names the row that is wrong; when no separator
// gives 2 or 3 columns, the first that occurs in the text (a comma when none does).
char cellSeparator(std::string_view text) {
    char closest = 0;
    std::size_t closestRows = 0;
    for (const char separator : kSeparators) {
        const SplitTable table = TableSplitter(text, separator).split(kRowsToRead);
        const std::size_t rows = fullRows(table);
        if (table.unclosedQuoteRow == 0 && rows > 0 && rows == table.rows.size())
            return separator;
        if (rows > closestRows) {
            closest = separator;
            closestRows = rows;
        }
    }
    if (closest != 0)
        return closest;
    for (const char separator : kSeparators)
        if (text.find(separator) != std::string_view::npos)
            return separator;
    return ',';
}

bool isNumber(const std::string& text) {
    return isFloat(text, '.') || isFloat(text, ',');
}

// Two cells name the same level when they are the same text, or the same number written with
// the same decimal separator ("1", "1.0" and "1,00" are one X; "1,5" and "1.5" are not).
bool sameLevel(const std::string& a, const std::string& b) {
    if (trimmed(a) == trimmed(b))
        return true;
    for (const char decimal : {'.', ','})
        if (isFloat(a, decimal) && isFloat(b, decimal))
            return parseFloat(a, decimal) == parseFloat(b, decimal);
    return false;
}

// A heading as a general-information text: without surrounding blanks, and no longer than the
// study window's boxes take.
std::string headingText(const std::string& cell) {
    const std::string text = trimmed(cell);
    std::size_t cut = 0;
    for (int characters = 0; cut < text.size() && characters < kTextLength; ++characters)
        do
            ++cut; // a UTF-8 character: its lead byte and continuation bytes
        while (cut < text.size() && isUtf8Continuation(text[cut]));
    return text.substr(0, cut);
}

std::string rowsText(int first, int last) {
    return first == last ? "la fila " + std::to_string(first)
                         : "las filas " + std::to_string(first) + " a " + std::to_string(last);
}

std::string count(int n, const std::string& singular, const std::string& plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

// The rows of one level: the first and last row numbers and how many observations.
struct LevelRows {
    std::string key; // the level's cell (with two columns, its X)
    int firstRow = 0;
    int lastRow = 0;
    int observations = 0;
};

// Builds the study from the rows of a table, refusing, with `origin` ("La tabla", "El archivo
// ...") at the start of the message, a table that cannot be one.
class TableReader {
public:
    TableReader(const SplitTable& table, std::string origin)
        : table_(table), origin_(std::move(origin)), width_(widthOf(table)) {}

    TableStudy study() {
        checkShape();
        const auto data = dataRows();
        for (const TableRow& row : data)
            addObservation(row);
        checkLevelCount(data);
        TableStudy table{.study = filledStudy(data), .rows = {}};
        for (const TableRow& row : data)
            table.rows.push_back(row.number);
        nameColumns(table.study);
        return table;
    }

private:
    void checkShape() const {
        if (table_.unclosedQuoteRow != 0)
            throw refusal("las comillas que abren una celda de la fila " +
                          std::to_string(table_.unclosedQuoteRow) + " no se cierran");
        if (table_.rows.empty())
            throw refusal("no tiene ninguna fila con datos");
        const TableRow& widest = firstRowAsWideAs(table_, width_);
        if (width_ != 2 && width_ != 3)
            throw refusal("la fila " + std::to_string(widest.number) + " tiene " +
                          count(width_, "columna", "columnas") +
                          " y una tabla de estudio tiene 2 (X, Y) o 3 (Nivel, X, Y), separadas "
                          "por tabuladores, punto y coma o comas");
        if (const TableRow* narrow = firstRowNarrowerThan(table_, width_))
            throw refusal("la fila " + std::to_string(narrow->number) + " tiene " +
                          count(narrow->cellCount, "celda", "celdas") + " y la fila " +
                          std::to_string(widest.number) + " tiene " + std::to_string(width_));
    }

    // The first row when it is a heading rather than an observation; null otherwise.
    const TableRow* heading() const {
        const TableRow& first = table_.rows.front();
        return isObservation(first) ? nullptr : &first;
    }

    // The rows after the heading, if the table has one.
    std::vector<TableRow> dataRows() const {
        const TableRow* head = heading();
        if (head && table_.rows.size() == 1)
            throw refusal("solo tiene el encabezado de la fila " + std::to_string(head->number) +
                          " y ninguna fila con datos");
        return {table_.rows.begin() + (head ? 1 : 0), table_.rows.end()};
    }

    // The headings of X and Y name the study's units and measured property, so the verdicts
    // read "RELACIÓN LINEAL mg - Absorbancia" rather than two blanks.
    void nameColumns(Study& study) const {
        if (const TableRow* head = heading()) {
            study.eadicionada = headingText(x(*head));
            study.emedida = headingText(y(*head));
        }
    }

    // A heading names its columns: neither its X nor its Y is a number. A first observation
    // with a typing error in one of them stays an observation, for the calculation to report.
    bool isObservation(const TableRow& row) const { return isNumber(x(row)) || isNumber(y(row)); }

    void addObservation(const TableRow& row) {
        if (++observations_ > kMaximumObservations)
            throw refusal("la fila " + std::to_string(row.number) + " es la observación " +
                          std::to_string(observations_) + " y el programa admite como máximo " +
                          std::to_string(kMaximumObservations));
        const std::string& key = row.cells[0];
        if (levels_.empty() || !sameLevel(levels_.back().key, key))
            startLevel(row, key);
        LevelRows& level = levels_.back();
        level.lastRow = row.number;
        ++level.observations;
    }

    void startLevel(const TableRow& row, const std::string& key) {
        const auto earlier = std::ranges::find_if(
            levels_, [&](const LevelRows& level) { return sameLevel(level.key, key); });
        if (earlier != levels_.end())
            throw refusal("la fila " + std::to_string(row.number) + " repite " +
                          (width_ == 3 ? "el nivel" : "la X") + " de " +
                          rowsText(earlier->firstRow, earlier->lastRow) +
                          " tras otros niveles: las filas de un nivel van seguidas");
        if (levels_.size() == kMostLevels)
            throw refusal("la fila " + std::to_string(row.number) + " empieza el nivel " +
                          std::to_string(kMostLevels + 1) + " y el programa admite como máximo " +
                          std::to_string(kMostLevels));
        levels_.push_back(
            {.key = key, .firstRow = row.number, .lastRow = row.number, .observations = 0});
    }

    void checkLevelCount(const std::vector<TableRow>& data) const {
        if (static_cast<int>(levels_.size()) < kFewestLevels)
            throw refusal("sus filas con datos (" +
                          rowsText(data.front().number, data.back().number) + ") forman " +
                          count(static_cast<int>(levels_.size()), "nivel", "niveles") +
                          " y un estudio tiene de " + std::to_string(kFewestLevels) + " a " +
                          std::to_string(kMostLevels));
    }

    Study filledStudy(const std::vector<TableRow>& data) const {
        Study study = Study::fresh();
        const int levels = static_cast<int>(levels_.size());
        study.eniveles = std::to_string(levels);
        for (int i = 1; i <= levels; ++i)
            study.stgniveles.setCell(
                i, 1, std::to_string(levels_[static_cast<std::size_t>(i - 1)].observations));
        for (std::size_t j = 0; j < data.size(); ++j) {
            study.stgdatos.setCell(1, static_cast<int>(j) + 1, x(data[j]));
            study.stgdatos.setCell(2, static_cast<int>(j) + 1, y(data[j]));
        }
        study.stgniveles.setColCount(levels + 1);
        study.stgdatos.setRowCount(static_cast<int>(data.size()) + 1);
        study.writeFileTitles(levels);
        return study;
    }

    const std::string& x(const TableRow& row) const {
        return row.cells[static_cast<std::size_t>(width_ - 2)];
    }
    const std::string& y(const TableRow& row) const {
        return row.cells[static_cast<std::size_t>(width_ - 1)];
    }

    StudyFormatError refusal(const std::string& reason) const {
        return StudyFormatError(origin_ + " no es un estudio: " + reason + ".");
    }

    const SplitTable& table_;
    std::string origin_;
    int width_;
    int observations_ = 0;
    std::vector<LevelRows> levels_;
};

TableStudy tableStudy(std::string_view text, std::string origin) {
    const SplitTable table = TableSplitter(text, cellSeparator(text)).split(kRowsToRead);
    return TableReader(table, std::move(origin)).study();
}

} // namespace

TableStudy studyFromTable(const std::string& text) {
    return tableStudy(text, "La tabla");
}

TableStudy readTableFile(const std::string& path) {
    return tableStudy(readStudySizedText(path), "El archivo \"" + path + "\"");
}

NumberSources tableRows(const TableStudy& table) {
    return {.x = table.rows, .y = table.rows};
}

} // namespace linealidad
