#pragma once

#include <functional>

class QMenu;
class QPoint;
class QWidget;

namespace linealidad {

// The keys every window answers the same way, wherever its focus is (an editor of a grid
// included, which keeps the other keys to itself).

// Which keys close a window: a window of results closes with either; one where the analyst
// types (the study window) only with Ctrl+F4, so that Escape never closes it by accident.
enum class CloseKeys { EscapeAndCtrlF4, CtrlF4 };

// The keys close `window` while it has the focus. A child window of the frame takes Ctrl+F4
// through its system menu's close item, which would otherwise claim the key in the whole
// frame (and, claimed by every child window at once, close none).
void closeWithKeys(QWidget& window, CloseKeys keys = CloseKeys::EscapeAndCtrlF4);

// The Menu key and Shift+F10 open `menu` at the point `where` gives, in `owner`'s coordinates,
// while the focus is in `owner` or inside it (in its window, for a window of its own).
void popupWithKeys(QWidget& owner, QMenu& menu, std::function<QPoint()> where);

} // namespace linealidad
