#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace linealidad::test {

// A file's bytes exactly as they are on disk (empty when it cannot be read).
std::string readBytes(const QString& path);

// Writes `bytes` as the whole file, with no conversion of line ends or encoding.
void writeBytes(const QString& path, const std::string& bytes);

// The names of everything a folder holds (hidden and special files too), sorted by name.
QStringList filesIn(const QString& folder);

} // namespace linealidad::test
