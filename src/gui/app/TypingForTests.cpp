#include "gui/app/TypingForTests.h"

#include "gui/app/TMainForm.h"
#include "gui/study/TFinforma.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace linealidad {

void typeIntoNewStudy(TMainForm& window, const QString& text) {
    window.FileNew();
    if (!window.Finforma())
        return;
    auto* box = window.Finforma()->findChild<QLineEdit*>(QStringLiteral("emetodo"));
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

} // namespace linealidad
