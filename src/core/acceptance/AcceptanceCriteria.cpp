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

constexpr std::array<KindInfo, 15> kKinds{{
    {CriterionKind::Determination, "r2_minimo", "Coeficiente de determinación (r²)"},
    {CriterionKind::RegressionCv, "cv_maximo", "Coeficiente de variación (%)"},
    {CriterionKind::SlopeExcludesZero, "pendiente_excluye_cero",
     "Intervalo de confianza de la pendiente"},
    {CriterionKind::InterceptContainsZero, "ordenada_contiene_cero",
     "Intervalo de confianza de la ordenada"},
    // Judged on the exact probability, which a reviewer recomputes in a spreadsheet.
    {CriterionKind::LackOfFit, "falta_de_ajuste_p_minimo", "Falta de ajuste (p exacta)"},
    {CriterionKind::StudentizedResiduals, "residuo_estudentizado_maximo",
     "Residuo estudentizado máximo (absoluto)"},
    {CriterionKind::DetectionLimit, "limite_deteccion", "Límite de detección (LD)"},
    {CriterionKind::QuantificationLimit, "limite_cuantificacion", "Límite de cuantificación (LC)"},
    {CriterionKind::VarianceHomogeneity, "homogeneidad_p_minimo",
     "Homogeneidad de varianzas (p de Levene)"},
    {CriterionKind::MandelLinearity, "mandel_p_minimo", "Linealidad de Mandel (p)"},
    {CriterionKind::ResidualNormality, "normalidad_p_minimo",
     "Normalidad de los residuos (p de Shapiro-Wilk)"},
    {CriterionKind::LevelCv, "cv_nivel_maximo", "CV máximo de los niveles (%)"},
    {CriterionKind::LevelRelativeError, "error_relativo_maximo",
     "Error relativo máximo de los niveles (%)"},
    {CriterionKind::ResponseFactorCv, "factor_respuesta_cv_maximo",
     "CV del factor de respuesta (%)"},
    {CriterionKind::RecoveryInterval, "recobro_intervalo", "Recobro medio (%)"},
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

// Why `limit` cannot bound a criterion of `kind`, if it cannot. The minimums are of r² and of
// probabilities, between 0 and 1.
std::optional<std::string> rangeProblem(CriterionKind kind, double limit) {
    const bool fraction = takesMinimum(kind);
    if (fraction && (limit < 0 || limit > 1))
        return "debe estar entre 0 y 1";
    if (limit < 0)
        return "no puede ser negativo";
    return std::nullopt;
}

using LineResult = std::variant<AcceptanceCriterion, std::string>;

// The "inferior;superior" of an interval criterion.
LineResult intervalLine(CriterionKind kind, const std::string& quoted, const std::string& value) {
    const auto semicolon = value.find(';');
    if (semicolon == std::string::npos)
        return "el criterio " + quoted + " necesita dos límites, inferior;superior";
    const std::string lowerText = trimmed(value.substr(0, semicolon));
    const std::string upperText = trimmed(value.substr(semicolon + 1));
    const std::optional<double> lower = parsedNumber(lowerText);
    const std::optional<double> upper = parsedNumber(upperText);
    if (!lower || !upper)
        return "el límite «" + (lower ? upperText : lowerText) + "» de " + quoted +
               " no es un número";
    if (auto problem = intervalProblem(*lower, *upper))
        return "los límites de " + quoted + " " + *problem;
    return AcceptanceCriterion{kind, *lower, *upper};
}

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
    if (takesInterval(kind->kind))
        return intervalLine(kind->kind, quoted, value);
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

AcceptanceCriterion proposedCriterion(CriterionKind kind) {
    for (const AcceptanceCriterion& c : defaultCriteria())
        if (c.kind == kind)
            return c;
    switch (kind) {
    case CriterionKind::LevelCv:
    case CriterionKind::LevelRelativeError:
        return {kind, 2.0};
    case CriterionKind::ResponseFactorCv:
        return {kind, 5.0};
    case CriterionKind::RecoveryInterval:
        return {kind, 98.0, 102.0};
    default:
        return {kind, 0.05};
    }
}

std::vector<CriterionKind> allCriterionKinds() {
    std::vector<CriterionKind> kinds;
    for (const KindInfo& k : kKinds)
        kinds.push_back(k.kind);
    return kinds;
}

std::string criterionName(CriterionKind kind) {
    return info(kind).name;
}

bool takesLimit(CriterionKind kind) {
    return kind != CriterionKind::SlopeExcludesZero && kind != CriterionKind::InterceptContainsZero;
}

bool takesMinimum(CriterionKind kind) {
    switch (kind) {
    case CriterionKind::Determination:
    case CriterionKind::LackOfFit:
    case CriterionKind::VarianceHomogeneity:
    case CriterionKind::MandelLinearity:
    case CriterionKind::ResidualNormality:
        return true;
    default:
        return false;
    }
}

bool limitIsOptional(CriterionKind kind) {
    return kind == CriterionKind::DetectionLimit || kind == CriterionKind::QuantificationLimit;
}

bool takesInterval(CriterionKind kind) {
    return kind == CriterionKind::RecoveryInterval;
}

std::optional<std::string> limitProblem(CriterionKind kind, double limit) {
    return rangeProblem(kind, limit);
}

std::optional<std::string> intervalProblem(double lower, double upper) {
    if (lower < 0 || upper < 0)
        return "no pueden ser negativos";
    if (lower > upper)
        return "están invertidos: el inferior es mayor que el superior";
    return std::nullopt;
}

std::string criteriaText(const std::vector<AcceptanceCriterion>& criteria) {
    std::string text = std::string(kSection) + "\n";
    for (const AcceptanceCriterion& c : criteria) {
        text += info(c.kind).key;
        if (c.limit)
            text += " = " + numberText(*c.limit);
        if (c.upper)
            text += ";" + numberText(*c.upper);
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
