#include "gui/common/PrintStampNow.h"

#include "core/platform/LoginName.h"

#include <QDateTime>

namespace linealidad {
namespace {

PrintStamp stampedNow(PrintStamp stamp) {
    stamp.version = LINEALIDAD_VERSION;
    stamp.printedAt =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    stamp.user = platform::loginName();
    return stamp;
}

} // namespace

PrintStamp printStampNow(const std::optional<SavedStudyFile>& file) {
    return stampedNow(PrintStamp::forStudy(file));
}

PrintStamp printStampNow() {
    PrintStamp stamp;
    stamp.source = PrintStamp::Source::NoStudy;
    return stampedNow(stamp);
}

} // namespace linealidad
