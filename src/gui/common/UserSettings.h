#pragma once

#include <QSettings>

namespace linealidad {

// The user's settings file (criteria, recovery, lab name). Named here rather than by the
// application: the headless `--pdf` run, which sets no application names, reads the same
// settings as the windows.
QSettings userSettings();

} // namespace linealidad
