#include "core/results/ResultCopy.h"

#include <algorithm>

namespace linealidad {
namespace {

constexpr std::size_t kResidualHeadingLines = 2;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string residualHeading(const std::vector<std::string>& column) {
    std::string heading;
    for (std::size_t i = 0; i < std::min(kResidualHeadingLines, column.size()); ++i) {
        const std::string part = trimmed(column[i]);
        if (part.empty() || part.find_first_not_of('*') == std::string::npos)
            continue;
        heading += (heading.empty() ? "" : " ") + part;
    }
    return heading;
}

} // namespace

CellRows inferenceCopy(const std::vector<std::string>& lines) {
    CellRows rows;
    for (const std::string& line : lines) {
        const std::size_t equals = line.find(" = ");
        if (equals != std::string::npos)
            rows.push_back({trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 3))});
        else if (trimmed(line).empty())
            rows.emplace_back();
        else
            rows.push_back({trimmed(line)});
    }
    return rows;
}

CellRows anovaCopy(const CellRows& cells) {
    CellRows rows = cells;
    for (auto& row : rows)
        for (std::string& cell : row)
            cell = trimmed(cell);
    return rows;
}

CellRows residualCopy(const std::array<std::vector<std::string>, 4>& columns) {
    CellRows rows(1);
    std::size_t length = 0;
    for (const auto& column : columns) {
        rows[0].push_back(residualHeading(column));
        length = std::max(length, column.size());
    }
    for (std::size_t line = kResidualHeadingLines; line < length; ++line) {
        rows.emplace_back();
        for (const auto& column : columns)
            rows.back().push_back(line < column.size() ? trimmed(column[line]) : std::string());
    }
    return rows;
}

} // namespace linealidad
