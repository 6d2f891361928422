#pragma once

#include <QString>

namespace linealidad {

// The company or laboratory the charts name on their first header line, kept in the user's
// settings (group "preferencias", key "empresa"); the name the program always printed while
// the user has set none.
QString userLabName();
// Keeps `name` as the user's; an empty name, or the default one, is the default again.
void saveUserLabName(const QString& name);

} // namespace linealidad
