#include "gui/common/RunCommand.h"

#include "core/text/Errors.h"
#include "gui/common/Dialogs.h"

#include <QApplication>
#include <QCursor>

#include <exception>
#include <new>

namespace linealidad {

bool runCommand(Dialogs& dialogs, const std::function<void()>& command) {
    QString message;
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    }
    dialogs.error(QString::fromStdString(genericReportText(message.toStdString())));
    return false;
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace linealidad
