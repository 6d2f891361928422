#include "core/text/TabSeparated.h"

namespace linealidad {
namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Reads a quoted cell from `i` (on its opening quote) to the character after its closing
// quote. Text after the closing quote up to the next separator belongs to the cell as well,
// as spreadsheets read it.
std::string quotedCell(const std::string& text, std::size_t& i) {
    std::string cell;
    ++i;
    while (i < text.size()) {
        if (text[i] != '"') {
            cell += text[i++];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            cell += '"';
            i += 2;
        } else {
            ++i;
            break;
        }
    }
    while (i < text.size() && text[i] != '\t' && !isLineEnd(text[i]))
        cell += text[i++];
    return cell;
}

bool needsQuotes(const std::string& cell) {
    return cell.find_first_of("\t\r\n\"") != std::string::npos;
}

std::string quoted(const std::string& cell) {
    std::string result = "\"";
    for (char c : cell) {
        if (c == '"')
            result += '"';
        result += c;
    }
    return result + '"';
}

} // namespace

CellRows splitTabSeparated(const std::string& text) {
    CellRows rows;
    std::vector<std::string> row;
    std::size_t i = 0;
    while (i < text.size()) {
        row.push_back(text[i] == '"' ? quotedCell(text, i) : std::string());
        while (i < text.size() && text[i] != '\t' && !isLineEnd(text[i]))
            row.back() += text[i++];
        if (i < text.size() && text[i] == '\t') {
            ++i;
            if (i == text.size())
                row.emplace_back(); // a TAB at the very end leaves an empty last cell
            continue;
        }
        if (i < text.size()) { // a line end
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++i;
        }
        rows.push_back(std::move(row));
        row.clear();
    }
    if (!row.empty())
        rows.push_back(std::move(row));
    return rows;
}

std::string joinCells(std::span<const std::string> cells) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            line += '\t';
        line += cells[c];
    }
    return line;
}

std::string joinTabSeparated(const CellRows& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += '\t';
            text += needsQuotes(row[c]) ? quoted(row[c]) : row[c];
        }
        text += '\n';
    }
    return text;
}

} // namespace linealidad
