#include "gui/common/UserSettings.h"

namespace linealidad {

QSettings userSettings() {
    return QSettings(QStringLiteral("Linealidad"), QStringLiteral("Linealidad"));
}

} // namespace linealidad
