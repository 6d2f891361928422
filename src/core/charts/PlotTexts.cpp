#include "core/charts/PlotTexts.h"

#include "core/text/Encoding.h"
#include "core/text/NumberFormat.h"
#include "core/text/TextWrap.h"

#include <algorithm>

namespace linealidad {

std::vector<std::string> headerLines(PlotKind kind, const std::string& lab,
                                     const std::string& title) {
    std::vector<std::string> lines{lab, "Control de Calidad",
                                   "Linealidad y Precisión del Sistema de Medición"};
    if (kind == PlotKind::Residuals)
        lines.emplace_back("Análisis de Residuales");
    if (!title.empty())
        lines.push_back(title);
    return lines;
}

std::vector<std::string> studyBlockLines(PlotKind kind, const Study& study) {
    // The signature lines are two underscores shorter on the residuals chart.
    const std::string signature(kind == PlotKind::Regression ? 22 : 20, '_');
    return {"Nombre del Método = " + study.emetodo, "Analista = " + study.eanalista,
            "Fecha = " + study.efecha, "Realizó " + signature + " ", "Revisó " + signature + " "};
}

namespace {

// The characters of a label: at most `most` of them (1 or more), the last one "…" when the
// label has more.
std::vector<std::string> verticalLetters(const std::string& label, std::size_t most) {
    std::vector<std::string> letters;
    for (std::size_t i = 0; i < label.size();) {
        std::size_t length = 1; // a UTF-8 character: its lead byte and continuation bytes
        while (i + length < label.size() && isUtf8Continuation(label[i + length]))
            ++length;
        // The last place left, and more than one letter to go: the place says so.
        if (letters.size() + 1 >= most && i + length < label.size()) {
            letters.emplace_back(kCutMark);
            break;
        }
        letters.push_back(label.substr(i, length));
        i += length;
    }
    return letters;
}

} // namespace

std::vector<std::vector<std::string>> verticalColumns(const std::string& label, int rows) {
    const std::size_t most = static_cast<std::size_t>(std::max(rows, 1));
    // No more letters are read than the columns can show.
    const std::vector<std::string> letters =
        verticalLetters(label, most * static_cast<std::size_t>(kVerticalLabelColumns));
    if (letters.size() <= most)
        return {letters};
    std::vector<std::vector<std::string>> columns(1);
    const auto place = [&](const std::vector<std::string>& word) {
        if (word.empty())
            return;
        if (!columns.back().empty() && columns.back().size() + 1 + word.size() > most)
            columns.emplace_back();
        if (!columns.back().empty())
            columns.back().emplace_back(" ");
        for (const std::string& letter : word) {
            if (columns.back().size() == most)
                columns.emplace_back();
            columns.back().push_back(letter);
        }
    };
    std::vector<std::string> word;
    for (const std::string& letter : letters) {
        if (letter != " ") {
            word.push_back(letter);
            continue;
        }
        place(word);
        word.clear();
    }
    place(word);
    // A label wider than its columns ends with "…" in the last place of the last one.
    if (columns.size() > static_cast<std::size_t>(kVerticalLabelColumns)) {
        columns.resize(static_cast<std::size_t>(kVerticalLabelColumns));
        columns.back().back() = kCutMark;
    }
    return columns;
}

std::string residualsAxisLabel(const std::string& property) {
    const std::string what = "Residuo estudentizado";
    return property.empty() ? what : what + " (" + property + ")";
}

std::vector<std::string> statisticsLines(const ResultadosRegresion& R, char decimal) {
    // A negative intercept keeps its sign inside the parentheses: Y = 2(X) + (-0.5).
    return {"Y = " + formatGeneral(R.Pendiente, 6, decimal) + "(X) + (" +
                formatGeneral(R.Ordenada, 6, decimal) + ")",
            "Sx/y = " + formatGeneral(R.DesvRegresion, 6, decimal),
            "CVx/y = " + formatGeneral(R.CoefVariacion, 3, decimal),
            "(r^2) = " + formatGeneral(R.R2, 6, decimal)};
}

} // namespace linealidad
