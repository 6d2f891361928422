#include "gui/common/AcceptanceSettings.h"

#include <QSettings>

#include <variant>

namespace linealidad {

std::vector<AcceptanceCriterion> userCriteria() {
    // Named explicitly: `linealidad --pdf` reads the same settings without the application's
    // names set.
    QSettings settings(QStringLiteral("Linealidad"), QStringLiteral("Linealidad"));
    const QVariant text = settings.value(QStringLiteral("dictamen/criterios"));
    if (!text.isValid())
        return defaultCriteria();
    auto read = readCriteriaText(text.toString().toStdString());
    if (auto* criteria = std::get_if<std::vector<AcceptanceCriterion>>(&read))
        return std::move(*criteria);
    return defaultCriteria();
}

} // namespace linealidad
