#include "gui/common/AcceptanceSettings.h"

#include "gui/common/UserSettings.h"

namespace linealidad {
namespace {

const QString kKey = QStringLiteral("dictamen/criterios");
const QString kRecoveryKey = QStringLiteral("validacion/recobro");

} // namespace

std::vector<AcceptanceCriterion> userCriteria() {
    const QVariant saved = userSettings().value(kKey);
    if (!saved.isValid())
        return defaultCriteria();
    auto read = readCriteriaText(saved.toString().toStdString());
    if (auto* criteria = std::get_if<std::vector<AcceptanceCriterion>>(&read))
        return std::move(*criteria);
    return defaultCriteria();
}

void saveUserCriteria(const std::vector<AcceptanceCriterion>& criteria) {
    QSettings settings = userSettings();
    settings.setValue(kKey, QString::fromStdString(criteriaText(criteria)));
    settings.sync();
    emit criteriaNotifier().changed();
}

bool userRecovery() {
    return userSettings().value(kRecoveryKey, false).toBool();
}

void saveUserRecovery(bool recovered) {
    QSettings settings = userSettings();
    settings.setValue(kRecoveryKey, recovered);
    settings.sync();
    emit criteriaNotifier().changed();
}

CriteriaNotifier& criteriaNotifier() {
    static CriteriaNotifier notifier;
    return notifier;
}

} // namespace linealidad
