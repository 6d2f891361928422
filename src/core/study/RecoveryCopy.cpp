#include "core/study/RecoveryCopy.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace linealidad {
namespace {

constexpr std::string_view kFirstLine = "linealidad recovery copy 2";
// The first version had no line for the study's file.
constexpr std::string_view kFirstVersionLine = "linealidad recovery copy 1";

// The most columns and rows a grid of the study window holds, hidden ones included: those of a
// study file's largest study. A copy asking for more was damaged, and showing it could take
// all the memory there is.
struct GridLimits {
    int columns;
    int rows;
};
constexpr GridLimits kLevelsGridLimits{kMaximumLevels + 1, 2};
constexpr GridLimits kDataGridLimits{3, kMaximumObservations + 1};

std::string escaped(std::string_view text) {
    std::string result;
    for (const char c : text) {
        if (c == '\\')
            result += "\\\\";
        else if (c == '\n')
            result += "\\n";
        else if (c == '\r')
            result += "\\r";
        else
            result += c;
    }
    return result;
}

std::optional<std::string> unescaped(std::string_view line) {
    std::string result;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\') {
            result += line[i];
            continue;
        }
        if (++i == line.size())
            return std::nullopt;
        switch (line[i]) {
        case '\\':
            result += '\\';
            break;
        case 'n':
            result += '\n';
            break;
        case 'r':
            result += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return result;
}

// The counts line of a grid: its column and row counts, then the columns and rows it holds.
std::string countsLine(const StringGrid& grid) {
    return std::to_string(grid.colCount()) + " " + std::to_string(grid.rowCount()) + " " +
           std::to_string(grid.heldColCount()) + " " + std::to_string(grid.heldRowCount());
}

void appendGrid(std::string& text, const StringGrid& grid) {
    text += countsLine(grid) + '\n';
    for (int row = 0; row < grid.heldRowCount(); ++row)
        for (int col = 0; col < grid.heldColCount(); ++col)
            text += escaped(grid.cell(col, row)) + '\n';
}

// The lines of a copy, taken one after the other; every take fails once they run out.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> raw() {
        const auto end = rest_.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt; // every line of a whole copy ends
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return line;
    }
    std::optional<std::string> text() {
        const auto line = raw();
        return line ? unescaped(*line) : std::nullopt;
    }
    bool atEnd() const { return rest_.empty(); }
    // The lines left: a count that asks for more cannot be right.
    std::size_t left() const {
        return static_cast<std::size_t>(std::count(rest_.begin(), rest_.end(), '\n'));
    }

private:
    std::string_view rest_;
};

std::optional<std::vector<int>> counts(std::string_view line) {
    std::vector<int> result;
    const char* position = line.data();
    const char* end = line.data() + line.size();
    while (position < end) {
        int value = 0;
        const auto [next, error] = std::from_chars(position, end, value);
        if (error != std::errc() || value < 0)
            return std::nullopt;
        result.push_back(value);
        position = next;
        if (position < end && *position++ != ' ')
            return std::nullopt;
    }
    return result;
}

bool readGrid(Lines& lines, StringGrid& grid, GridLimits limits) {
    const auto line = lines.raw();
    const auto numbers = line ? counts(*line) : std::nullopt;
    if (!numbers || numbers->size() != 4)
        return false;
    const int heldCols = (*numbers)[2];
    const int heldRows = (*numbers)[3];
    if ((*numbers)[0] > limits.columns || (*numbers)[1] > limits.rows ||
        heldCols > limits.columns || heldRows > limits.rows)
        return false;
    if (static_cast<std::size_t>(heldCols) * static_cast<std::size_t>(heldRows) > lines.left())
        return false;
    StringGrid read((*numbers)[0], (*numbers)[1]);
    for (int row = 0; row < heldRows; ++row)
        for (int col = 0; col < heldCols; ++col) {
            auto cell = lines.text();
            if (!cell)
                return false;
            if (!cell->empty())
                read.setCell(col, row, std::move(*cell));
        }
    grid = std::move(read);
    return true;
}

} // namespace

std::string recoveryCopyText(const Study& study, const ChartTitles& titles, std::string_view file) {
    std::string text = std::string(kFirstLine) + '\n' + escaped(file) + '\n';
    for (const std::string* field : {&study.emetodo, &study.eanalista, &study.efecha,
                                     &study.eadicionada, &study.emedida, &study.eniveles})
        text += escaped(*field) + '\n';
    appendGrid(text, study.stgniveles);
    appendGrid(text, study.stgdatos);
    for (const std::string& title : titles)
        text += escaped(title) + '\n';
    return text;
}

std::optional<RecoveryCopy> readRecoveryCopy(std::string_view text) {
    if (text.size() > kMaximumCopyBytes)
        return std::nullopt;
    Lines lines(text);
    const auto first = lines.raw();
    if (first != kFirstLine && first != kFirstVersionLine)
        return std::nullopt;
    RecoveryCopy copy;
    if (first == kFirstLine) {
        auto file = lines.text();
        if (!file)
            return std::nullopt;
        copy.file = std::move(*file);
    }
    Study& study = copy.study;
    for (std::string* field : {&study.emetodo, &study.eanalista, &study.efecha, &study.eadicionada,
                               &study.emedida, &study.eniveles}) {
        auto line = lines.text();
        if (!line)
            return std::nullopt;
        *field = std::move(*line);
    }
    if (!readGrid(lines, study.stgniveles, kLevelsGridLimits) ||
        !readGrid(lines, study.stgdatos, kDataGridLimits))
        return std::nullopt;
    for (std::string& title : copy.titles) {
        auto line = lines.text();
        if (!line)
            return std::nullopt;
        title = std::move(*line);
    }
    if (!lines.atEnd())
        return std::nullopt;
    return copy;
}

} // namespace linealidad
