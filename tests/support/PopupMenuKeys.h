#pragma once

#include <QTest>

namespace linealidad::test {

// The rows of a test of the keys that open a pop-up menu from the keyboard: the Menu key and
// Shift+F10, in the columns `key` and `modifiers`.
inline void popupMenuKeyRows() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

} // namespace linealidad::test
