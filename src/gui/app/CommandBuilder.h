#pragma once

#include "core/app/EnablingRules.h"
#include "gui/common/helpcons.h"

#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace linealidad {

// One entry of a window's command table, which lists them in the order they appear: a menu of
// the menu bar or a submenu, an item of a menu, a tool button that runs an item, or a separator.
// Texts are UTF-8; a hint is "short|long" (see Hint.h). The table is written with the makers
// below, one for each kind.
struct CommandRow {
    enum class Kind { Menu, Item, Button, Separator };
    Kind kind;
    // The menu or tool bar the entry goes into, by object name; empty: the menu bar.
    const char* in = "";
    // The object name of the menu, the item, or the button and its tool button.
    const char* name = "";
    const char* caption = ""; // a menu's or an item's text
    const char* glyph = "";   // a button's picture (Glyphs.h)
    const char* hint = "";
    int helpContext = 0;
    // The commands switched together with it (EnablingRules.h); none: always on.
    std::optional<CommandGroup> group = std::nullopt;
    std::function<void()> run = {}; // what an item does
    const char* runs = "";          // the item a button runs, by object name
    QKeySequence shortcut = {};
    bool visible = true;

    // A menu of the menu bar (`in` empty) or of the menu named `in`.
    static CommandRow menu(const char* in, const char* name, const char* caption, const char* hint,
                           int helpContext, std::optional<CommandGroup> group = std::nullopt);
    static CommandRow item(const char* in, const char* name, const char* caption, const char* hint,
                           int helpContext, CommandGroup group, std::function<void()> run,
                           QKeySequence shortcut = {});
    static CommandRow button(const char* in, const char* name, const char* glyph, const char* hint,
                             CommandGroup group, const char* runs);
    static CommandRow separator(const char* in);
    // The same entry, there but not shown.
    CommandRow hidden() &&;
};

using CommandGroups = QMap<CommandGroup, QList<QAction*>>;

// Turns a command table into a main window's menus, items, tool buttons and separators, as an
// actions manager does. It stays with the window for what the menus do with the keyboard and
// the pointer: the long hint of the menu or item under them goes to `showHint`; F1 on a
// highlighted item asks `showHelp` for the item's topic, or its menu's when it has none.
class CommandBuilder : public QObject {
    Q_OBJECT
public:
    CommandBuilder(QMainWindow& window, std::function<void(const QString&)> showHint,
                   std::function<void(int)> showHelp);

    // Adds the rows in their order: a row goes into a menu built before it or into a tool bar
    // of the window, and a button runs an item built before it. Returns the menus, items and
    // buttons of each enabling group.
    CommandGroups build(const std::vector<CommandRow>& rows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addMenu(const CommandRow& row);
    void addItem(const CommandRow& row);
    void addButton(const CommandRow& row);
    void addSeparator(const CommandRow& row);
    void showStatusTip(QAction* action);
    QToolBar* toolBar(const char* name) const;

    QMainWindow& window_;
    std::function<void(const QString&)> showHint_;
    std::function<void(int)> showHelp_;
    QMap<QString, QMenu*> menus_;
    QMap<QString, QAction*> items_;
    CommandGroups groups_;
};

} // namespace linealidad
