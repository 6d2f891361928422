#include "gui/common/WindowKeys.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace linealidad {
namespace {

const QKeySequence kCtrlF4(Qt::CTRL | Qt::Key_F4);

// `keys` run `act` while the focus is in `owner` or inside it; for a window of its own, while
// it is the active window (it may have nothing that takes the focus, as a chart).
void onKeys(QWidget& owner, const QList<QKeySequence>& keys, const char* name,
            const std::function<void()>& act) {
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, &owner);
        shortcut->setObjectName(QString::fromLatin1(name));
        shortcut->setContext(owner.isWindow() ? Qt::WindowShortcut
                                              : Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &owner, act);
    }
}

// The close item of a child window's system menu has Ctrl+F4 for the whole frame, so with two
// child windows open the key closes none: each keeps it for itself, while it has the focus.
bool closeItemTakesCtrlF4(QMdiSubWindow& window) {
    bool found = false;
    if (QMenu* menu = window.systemMenu())
        for (QAction* item : menu->actions())
            if (item->shortcuts().contains(kCtrlF4)) {
                item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
                found = true;
            }
    return found;
}

} // namespace

void closeWithKeys(QWidget& window, CloseKeys keys) {
    auto* child = qobject_cast<QMdiSubWindow*>(&window);
    QList<QKeySequence> sequences;
    if (!child || !closeItemTakesCtrlF4(*child))
        sequences << kCtrlF4;
    if (keys == CloseKeys::EscapeAndCtrlF4)
        sequences << QKeySequence(Qt::Key_Escape);
    onKeys(window, sequences, "closeWithKeys", [&window] { window.close(); });
}

void popupWithKeys(QWidget& owner, QMenu& menu, std::function<QPoint()> where) {
    onKeys(owner, {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)},
           "popupWithKeys",
           [&owner, &menu, where = std::move(where)] { menu.popup(owner.mapToGlobal(where())); });
}

} // namespace linealidad
