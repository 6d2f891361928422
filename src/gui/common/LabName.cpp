#include "gui/common/LabName.h"

#include "core/charts/PlotTexts.h"
#include "gui/common/UserSettings.h"

namespace linealidad {
namespace {

const QString kKey = QStringLiteral("preferencias/empresa");

QString defaultName() {
    return QString::fromUtf8(kDefaultLabName);
}

} // namespace

QString userLabName() {
    const QString saved = userSettings().value(kKey).toString().trimmed();
    return saved.isEmpty() ? defaultName() : saved;
}

void saveUserLabName(const QString& name) {
    QSettings settings = userSettings();
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed == defaultName())
        settings.remove(kKey);
    else
        settings.setValue(kKey, trimmed);
    settings.sync();
}

} // namespace linealidad
