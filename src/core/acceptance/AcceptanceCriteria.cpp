#include "core/acceptance/AcceptanceCriteria.h"

#include "core/text/NumberParse.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <sstream>

namespace linealidad {

namespace {

struct KindInfo {
    CriterionKind kind;
    const char* key;  // the key of the criteria text
    const char* name; // as shown
};

constexpr std::array<KindInfo, 8> kKinds{{
    {CriterionKind::Determination, "r2_minimo", "Coeficiente de determinación (r²)"},
    {CriterionKind::RegressionCv, "cv_maximo", "Coeficiente de variación (%)"},
    {CriterionKind::SlopeExcludesZero, "pendiente_excluye_cero",
     "Intervalo de confianza de la pendiente"},
    {CriterionKind::InterceptContainsZero, "ordenada_contiene_cero",
     "Intervalo de confianza de la ordenada"},
    {CriterionKind::LackOfFit, "falta_de_ajuste_p_minimo", "Falta de ajuste (p)"},
    {CriterionKind::StudentizedResiduals, "residuo_estudentizado_maximo",
     "Residuo estudentizado máximo (absoluto)"},
    {CriterionKind::DetectionLimit, "limite_deteccion", "Límite de detección (LD)"},
    {CriterionKind::QuantificationLimit, "limite_cuantificacion", "Límite de cuantificación (LC)"},
}};

const KindInfo& info(CriterionKind kind) {
    return *std::find_if(kKinds.begin(), kKinds.end(),
                         [kind](const KindInfo& k) { return k.kind == kind; });
}

const KindInfo* infoByKey(const std::string& key) {
    const auto it = std::find_if(kKinds.begin(), kKinds.end(),
                                 [&key](const KindInfo& k) { return key == k.key; });
    return it == kKinds.end() ? nullptr : &*it;
}

constexpr const char* kSection = "[criterios]";

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The shortest text that reads back as the same double.
std::string numberText(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

// A limit written with a point or, as Spanish users type it, with a comma.
std::optional<double> parsedNumber(const std::string& text) {
    for (char decimal : {'.', ','})
        if (isFloat(text, decimal))
            return parseFloat(text, decimal);
    return std::nullopt;
}

// Why `limit` cannot bound a criterion of `kind`, if it cannot.
std::optional<std::string> rangeProblem(CriterionKind kind, double limit) {
    const bool fraction = kind == CriterionKind::Determination || kind == CriterionKind::LackOfFit;
    if (fraction && (limit < 0 || limit > 1))
        return "debe estar entre 0 y 1";
    if (limit < 0)
        return "no puede ser negativo";
    return std::nullopt;
}

using LineResult = std::variant<AcceptanceCriterion, std::string>;

// One "clave" or "clave = límite" line.
LineResult criterionLine(const std::string& line) {
    const auto equals = line.find('=');
    const std::string key = lowered(trimmed(line.substr(0, equals)));
    const KindInfo* kind = infoByKey(key);
    if (!kind)
        return "criterio desconocido «" + key + "»";
    const std::string quoted = std::string("«") + kind->key + "»";
    const std::string value = equals == std::string::npos ? "" : trimmed(line.substr(equals + 1));
    if (value.empty()) {
        if (takesLimit(kind->kind) && !limitIsOptional(kind->kind))
            return "el criterio " + quoted + " necesita un límite";
        return AcceptanceCriterion{kind->kind, std::nullopt};
    }
    if (!takesLimit(kind->kind))
        return "el criterio " + quoted + " no lleva límite";
    const std::optional<double> limit = parsedNumber(value);
    if (!limit)
        return "el límite «" + value + "» de " + quoted + " no es un número";
    if (auto problem = rangeProblem(kind->kind, *limit))
        return "el límite de " + quoted + " " + *problem;
    return AcceptanceCriterion{kind->kind, *limit};
}

} // namespace

std::vector<AcceptanceCriterion> defaultCriteria() {
    return {
        {CriterionKind::Determination, 0.98},
        {CriterionKind::RegressionCv, 2.0},
        {CriterionKind::SlopeExcludesZero, std::nullopt},
        {CriterionKind::InterceptContainsZero, std::nullopt},
        {CriterionKind::LackOfFit, 0.05},
        {CriterionKind::StudentizedResiduals, 3.0},
        {CriterionKind::DetectionLimit, std::nullopt},
        {CriterionKind::QuantificationLimit, std::nullopt},
    };
}

std::string criterionName(CriterionKind kind) {
    return info(kind).name;
}

bool takesLimit(CriterionKind kind) {
    return kind != CriterionKind::SlopeExcludesZero && kind != CriterionKind::InterceptContainsZero;
}

bool limitIsOptional(CriterionKind kind) {
    return kind == CriterionKind::DetectionLimit || kind == CriterionKind::QuantificationLimit;
}

std::optional<std::string> limitProblem(CriterionKind kind, double limit) {
    return rangeProblem(kind, limit);
}

std::string criteriaText(const std::vector<AcceptanceCriterion>& criteria) {
    std::string text = std::string(kSection) + "\n";
    for (const AcceptanceCriterion& c : criteria) {
        text += info(c.kind).key;
        if (c.limit)
            text += " = " + numberText(*c.limit);
        text += "\n";
    }
    return text;
}

std::variant<std::vector<AcceptanceCriterion>, std::string>
readCriteriaText(const std::string& text) {
    std::vector<AcceptanceCriterion> criteria;
    std::istringstream lines(text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string content = trimmed(line);
        const auto fault = [number](const std::string& why) {
            return "Línea " + std::to_string(number) + " de los criterios: " + why + ".";
        };
        if (content.empty() || content[0] == '#' || content[0] == ';' ||
            lowered(content) == kSection)
            continue;
        if (content[0] == '[')
            return fault("sección desconocida «" + content + "»");
        LineResult read = criterionLine(content);
        if (auto* why = std::get_if<std::string>(&read))
            return fault(*why);
        const auto& criterion = std::get<AcceptanceCriterion>(read);
        const bool repeated =
            std::any_of(criteria.begin(), criteria.end(),
                        [&criterion](const auto& c) { return c.kind == criterion.kind; });
        if (repeated)
            return fault(std::string("criterio repetido «") + info(criterion.kind).key + "»");
        criteria.push_back(criterion);
    }
    return criteria;
}

} // namespace linealidad
