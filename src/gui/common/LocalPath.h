#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace linealidad {

// A file name as the operating system's calls and the core take it (the local 8-bit encoding).
inline std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A file name from the operating system or the core, as Qt shows it.
inline QString qtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace linealidad
