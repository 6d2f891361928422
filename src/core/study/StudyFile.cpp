#include "core/study/StudyFile.h"

#include "core/study/FileAccess.h"
#include "core/text/Encoding.h"
#include "core/text/Errors.h"
#include "core/text/NumberParse.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace linealidad {
namespace {

constexpr int kLevelsLine = 6; // after the five general-information texts
// The levels line, a replicate line per level, the X and Y columns and the three chart titles.
constexpr std::size_t kMaximumLines = kLevelsLine + kMaximumLevels + 2 * kMaximumObservations + 3;

// Splits at CR LF, LF or a lone CR, up to the last line a study can use. A final line end does
// not start another line.
std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> result;
    while (!text.empty() && result.size() < kMaximumLines) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        result.emplace_back(text.substr(0, end));
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(std::min(next, text.size()));
    }
    return result;
}

// A line's text as a message quotes it: long lines (a file that is not text at all) are cut
// at a character boundary.
std::string quote(const std::string& text) {
    return '"' + quotedExcerpt(text) + '"';
}

StudyFormatError cannotOpenFile(const std::string& path, const std::string& reason) {
    return StudyFormatError("El archivo \"" + path + "\" no se puede abrir: " + reason + ".");
}

// The lines of the file, numbered from 1 as an editor shows them; lines past the end read as
// empty.
class LineReader {
public:
    LineReader(std::string path, std::vector<std::string> lines)
        : path_(std::move(path)), lines_(std::move(lines)) {}

    const std::string& line(int number) const {
        static const std::string empty;
        return number <= static_cast<int>(lines_.size())
                   ? lines_[static_cast<std::size_t>(number - 1)]
                   : empty;
    }

    // The whole number on a line that must hold a count (0 or more).
    int count(int number, const std::string& shouldHave) const {
        if (number > static_cast<int>(lines_.size()))
            throw isNoStudy(number, shouldHave, "el archivo termina antes");
        const std::string& text = line(number);
        if (!isInteger(text) || parseInteger(text) < 0)
            throw isNoStudy(number, shouldHave, "tiene " + quote(text));
        return parseInteger(text);
    }

    StudyFormatError cannotOpen(const std::string& reason) const {
        return cannotOpenFile(path_, reason);
    }

private:
    StudyFormatError isNoStudy(int number, const std::string& shouldHave,
                               const std::string& has) const {
        return StudyFormatError("El archivo \"" + path_ + "\" no es un estudio: la línea " +
                                std::to_string(number) + " debe tener " + shouldHave +
                                " (un número entero, cero o mayor) y " + has + ".");
    }

    std::string path_;
    std::vector<std::string> lines_;
};

int readLevels(const LineReader& reader) {
    const int levels = reader.count(kLevelsLine, "el número de niveles");
    if (levels > kMaximumLevels)
        throw reader.cannotOpen(
            "la línea " + std::to_string(kLevelsLine) + " indica " + std::to_string(levels) +
            " niveles y el programa admite como máximo " + std::to_string(kMaximumLevels));
    return levels;
}

// Puts the replicate counts into the levels grid and returns their sum, T.
int readReplicates(const LineReader& reader, int levels, Study& study) {
    long long observations = 0; // wide enough for 30 counts of any size
    for (int i = 1; i <= levels; ++i) {
        const int number = kLevelsLine + i;
        observations +=
            reader.count(number, "el número de réplicas del nivel " + std::to_string(i));
        if (observations > kMaximumObservations)
            throw reader.cannotOpen("las réplicas hasta la línea " + std::to_string(number) +
                                    " suman " + std::to_string(observations) +
                                    " observaciones y el programa admite como máximo " +
                                    std::to_string(kMaximumObservations));
        study.stgniveles.setCell(i, 1, reader.line(number));
    }
    return static_cast<int>(observations);
}

// The lines of the file layout, in order, without their line ends.
std::vector<std::string> studyLines(const Study& study, const ChartTitles& titles) {
    std::vector<std::string> result = {study.emetodo,     study.eanalista, study.efecha,
                                       study.eadicionada, study.emedida,   study.eniveles};
    const int levels = parseInteger(study.eniveles);
    for (int i = 1; i <= levels; ++i)
        result.push_back(study.stgniveles.cell(i, 1));
    for (int column = 1; column <= 2; ++column)
        for (int row = 1; row < study.stgdatos.rowCount(); ++row)
            result.push_back(study.stgdatos.cell(column, row));
    result.insert(result.end(), titles.begin(), titles.end());
    return result;
}

// The bytes to store: Windows-1252, as earlier versions wrote, when every character has a
// byte there and those bytes cannot be mistaken for UTF-8 on reading ("Ã³" in Windows-1252 is
// the UTF-8 of "ó"); UTF-8 otherwise, so nothing typed is lost.
std::string fileBytes(const std::string& text) {
    if (const auto ansi = utf8ToWindows1252(text); ansi && (*ansi == text || !isValidUtf8(*ansi)))
        return *ansi;
    // A text that itself begins with a byte-order mark keeps it: the reader drops only one.
    if (std::string_view(text).starts_with(kUtf8Mark))
        return std::string(kUtf8Mark) + text;
    return text;
}

} // namespace

std::string readStudySizedText(const std::string& path) {
    const std::string bytes = readFileBytes(path, kMaximumFileBytes);
    if (bytes.size() > kMaximumFileBytes)
        throw cannotOpenFile(path, "ocupa más de " + std::to_string(kMaximumFileBytes) +
                                       " bytes (1 MiB) y el programa admite como máximo ese "
                                       "tamaño");
    return fileText(bytes);
}

Study readStudy(const std::string& path) {
    const LineReader reader(path, lines(readStudySizedText(path)));
    Study study = Study::fresh();
    const int levels = readLevels(reader);
    const int observations = readReplicates(reader, levels, study);

    study.emetodo = reader.line(1);
    study.eanalista = reader.line(2);
    study.efecha = reader.line(3);
    study.eadicionada = reader.line(4);
    study.emedida = reader.line(5);
    study.eniveles = reader.line(kLevelsLine);
    const int firstX = kLevelsLine + levels + 1;
    const int firstY = firstX + observations;
    for (int j = 1; j <= observations; ++j) {
        study.stgdatos.setCell(1, j, reader.line(firstX + j - 1));
        study.stgdatos.setCell(2, j, reader.line(firstY + j - 1));
    }
    // The three chart title lines that follow are not part of the study.

    study.stgniveles.setColCount(levels + 1);
    study.stgdatos.setRowCount(observations + 1);
    study.writeFileTitles(levels);
    return study;
}

NumberSources studyFileLines(const Study& study) {
    const int firstX = kLevelsLine + study.stgniveles.colCount();
    const int observations = study.stgdatos.rowCount() - 1;
    NumberSources lines;
    for (int j = 0; j < observations; ++j) {
        lines.x.push_back(firstX + j);
        lines.y.push_back(firstX + observations + j);
    }
    return lines;
}

void writeStudy(const std::string& path, const Study& study, const ChartTitles& titles) {
    std::string text;
    for (const std::string& line : studyLines(study, titles))
        text += line + "\r\n";
    replaceFileBytes(path, fileBytes(text));
}

} // namespace linealidad
