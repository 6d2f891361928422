#include "gui/common/StudyFileHash.h"

#include "core/study/FileAccess.h"
#include "core/study/StudyFile.h"
#include "gui/common/LocalPath.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace linealidad {

std::optional<SavedStudyFile> studyFileOnDisk(const QString& path) {
    try {
        const std::string bytes = readFileBytes(localPath(path), kMaximumFileBytes);
        if (bytes.size() > kMaximumFileBytes)
            return std::nullopt;
        const QByteArray digest = QCryptographicHash::hash(
            QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
            QCryptographicHash::Sha256);
        return SavedStudyFile{QFileInfo(path).fileName().toStdString(),
                              digest.toHex().toStdString()};
    } catch (const FileError&) {
        return std::nullopt;
    }
}

} // namespace linealidad
