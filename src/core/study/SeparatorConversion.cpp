#include "core/study/SeparatorConversion.h"

#include "core/text/NumberParse.h"

#include <algorithm>
#include <cstddef>

namespace linealidad {
namespace {

// The X and Y cells of the observation rows, column by column.
template <typename Grid, typename Visit> void forEachNumber(Grid& grid, Visit visit) {
    for (int column = 1; column <= 2; ++column)
        for (int row = 1; row < grid.rowCount(); ++row)
            visit(grid.cell(column, row), column, row);
}

// A number written with `separator`: it holds one and reads as a number with it.
bool writtenWith(const std::string& text, char separator) {
    return text.find(separator) != std::string::npos && isFloat(text, separator);
}

int sourceOf(const NumberSources& sources, int column, int row) {
    const std::vector<int>& lines = column == 1 ? sources.x : sources.y;
    const auto index = static_cast<std::size_t>(row - 1);
    return index < lines.size() ? lines[index] : row;
}

void sortUnique(std::vector<int>& lines) {
    std::ranges::sort(lines);
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

std::string quoted(char separator) {
    return std::string("«") + separator + "»";
}

// "la línea 12", "las líneas 8 a 13, 15 y 17": runs of three or more as ranges, and after the
// first few entries, how many more lines there are.
std::string placeList(const std::vector<int>& lines, SourcePlaces places) {
    constexpr std::size_t kEntriesShown = 6;
    const bool rows = places == SourcePlaces::Rows;
    std::vector<std::string> entries;
    int beyond = 0;
    const auto add = [&](std::string entry, int count) {
        if (entries.size() < kEntriesShown)
            entries.push_back(std::move(entry));
        else
            beyond += count;
    };
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t j = i;
        while (j + 1 < lines.size() && lines[j + 1] == lines[j] + 1)
            ++j;
        if (j >= i + 2)
            add(std::to_string(lines[i]) + " a " + std::to_string(lines[j]),
                static_cast<int>(j - i + 1));
        else
            for (std::size_t k = i; k <= j; ++k)
                add(std::to_string(lines[k]), 1);
        i = j + 1;
    }
    if (beyond > 0)
        entries.push_back(std::to_string(beyond) + " más");
    std::string text;
    for (std::size_t k = 0; k < entries.size(); ++k)
        text += (k == 0 ? "" : k + 1 == entries.size() ? " y " : ", ") + entries[k];
    if (lines.size() == 1)
        return (rows ? "la fila " : "la línea ") + text;
    return (rows ? "las filas " : "las líneas ") + text;
}

} // namespace

char otherDecimalSeparator(char decimal) {
    return decimal == '.' ? ',' : '.';
}

SeparatorUse separatorUse(const Study& study, char decimal, const NumberSources& sources) {
    const char other = otherDecimalSeparator(decimal);
    SeparatorUse use;
    forEachNumber(study.stgdatos, [&](const std::string& text, int column, int row) {
        if (writtenWith(text, decimal))
            use.here.push_back(sourceOf(sources, column, row));
        else if (writtenWith(text, other))
            use.other.push_back(sourceOf(sources, column, row));
    });
    sortUnique(use.here);
    sortUnique(use.other);
    return use;
}

int convertToSeparator(Study& study, char decimal) {
    const char other = otherDecimalSeparator(decimal);
    int changed = 0;
    StringGrid& grid = study.stgdatos;
    forEachNumber(grid, [&](const std::string& text, int column, int row) {
        if (!writtenWith(text, other))
            return;
        std::string rewritten = text;
        std::ranges::replace(rewritten, other, decimal);
        grid.setCell(column, row, std::move(rewritten));
        ++changed;
    });
    return changed;
}

std::string mixedSeparatorQuestion(const SeparatorUse& use, char decimal, const std::string& source,
                                   SourcePlaces places) {
    const char other = otherDecimalSeparator(decimal);
    return "Los números de " + source + " mezclan los dos separadores decimales.\nUsan " +
           quoted(other) + ": " + placeList(use.other, places) + ".\nUsan " + quoted(decimal) +
           ": " + placeList(use.here, places) + ".\n\n¿Convertirlos todos a " + quoted(decimal) +
           "?";
}

std::string separatorConvertedNote(char decimal) {
    return "Números convertidos de " + quoted(otherDecimalSeparator(decimal)) + " a " +
           quoted(decimal);
}

} // namespace linealidad
