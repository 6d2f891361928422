#include "gui/app/CommandBuilder.h"

#include "gui/common/Glyphs.h"
#include "gui/common/Hint.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace linealidad {
namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString name(const char* latin1) {
    return QString::fromLatin1(latin1);
}

} // namespace

CommandRow CommandRow::menu(const char* in, const char* name, const char* caption, const char* hint,
                            int helpContext, std::optional<CommandGroup> group) {
    return {.kind = Kind::Menu,
            .in = in,
            .name = name,
            .caption = caption,
            .hint = hint,
            .helpContext = helpContext,
            .group = group};
}

CommandRow CommandRow::item(const char* in, const char* name, const char* caption, const char* hint,
                            int helpContext, CommandGroup group, std::function<void()> run,
                            QKeySequence shortcut) {
    return {.kind = Kind::Item,
            .in = in,
            .name = name,
            .caption = caption,
            .hint = hint,
            .helpContext = helpContext,
            .group = group,
            .run = std::move(run),
            .shortcut = shortcut};
}

CommandRow CommandRow::button(const char* in, const char* name, const char* glyph, const char* hint,
                              CommandGroup group, const char* runs) {
    return {.kind = Kind::Button,
            .in = in,
            .name = name,
            .glyph = glyph,
            .hint = hint,
            .group = group,
            .runs = runs};
}

CommandRow CommandRow::separator(const char* in) {
    return {.kind = Kind::Separator, .in = in};
}

CommandRow CommandRow::hidden() && {
    visible = false;
    return std::move(*this);
}

CommandBuilder::CommandBuilder(QMainWindow& window, std::function<void(const QString&)> showHint,
                               std::function<void(int)> showHelp)
    : QObject(&window), window_(window), showHint_(std::move(showHint)),
      showHelp_(std::move(showHelp)) {
    connect(window.menuBar(), &QMenuBar::hovered, this, &CommandBuilder::showStatusTip);
}

CommandGroups CommandBuilder::build(const std::vector<CommandRow>& rows) {
    using Kind = CommandRow::Kind;
    for (const CommandRow& row : rows) {
        switch (row.kind) {
        case Kind::Menu:
            addMenu(row);
            break;
        case Kind::Item:
            addItem(row);
            break;
        case Kind::Button:
            addButton(row);
            break;
        case Kind::Separator:
            addSeparator(row);
            break;
        }
    }
    return groups_;
}

void CommandBuilder::addMenu(const CommandRow& row) {
    QMenu* parent = menus_.value(name(row.in));
    QMenu* menu =
        parent ? parent->addMenu(text(row.caption)) : window_.menuBar()->addMenu(text(row.caption));
    menu->setObjectName(name(row.name));
    menu->menuAction()->setStatusTip(longHint(text(row.hint)));
    menu->menuAction()->setProperty(kHelpContextProperty, row.helpContext);
    menu->installEventFilter(this);
    connect(menu, &QMenu::hovered, this, &CommandBuilder::showStatusTip);
    if (row.group)
        groups_[*row.group] << menu->menuAction();
    menus_.insert(menu->objectName(), menu);
}

void CommandBuilder::addItem(const CommandRow& row) {
    QAction* item = menus_.value(name(row.in))->addAction(text(row.caption));
    item->setObjectName(name(row.name));
    item->setStatusTip(longHint(text(row.hint)));
    item->setProperty(kHelpContextProperty, row.helpContext);
    if (row.group)
        groups_[*row.group] << item;
    connect(item, &QAction::triggered, this, [run = row.run] { run(); });
    item->setShortcut(row.shortcut);
    item->setVisible(row.visible);
    items_.insert(item->objectName(), item);
}

void CommandBuilder::addButton(const CommandRow& row) {
    const QString hint = text(row.hint);
    auto* button = new QAction(glyphIcon(text(row.glyph)), shortHint(hint), &window_);
    button->setObjectName(name(row.name));
    button->setToolTip(shortHint(hint));
    button->setStatusTip(longHint(hint));
    Q_ASSERT(items_.contains(name(row.runs)));
    connect(button, &QAction::triggered, items_.value(name(row.runs)), &QAction::trigger);
    QToolBar* bar = toolBar(row.in);
    bar->addAction(button);
    bar->widgetForAction(button)->setObjectName(name(row.name));
    if (row.group)
        groups_[*row.group] << button;
    button->setVisible(row.visible);
}

void CommandBuilder::addSeparator(const CommandRow& row) {
    if (QMenu* menu = menus_.value(name(row.in)))
        menu->addSeparator();
    else
        toolBar(row.in)->addSeparator();
}

void CommandBuilder::showStatusTip(QAction* action) {
    showHint_(action->statusTip());
}

QToolBar* CommandBuilder::toolBar(const char* name) const {
    auto* bar = window_.findChild<QToolBar*>(QString::fromLatin1(name));
    Q_ASSERT(bar);
    return bar;
}

// F1 on a highlighted menu item opens that item's topic.
bool CommandBuilder::eventFilter(QObject* watched, QEvent* event) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        QAction* item = menu->activeAction();
        const int context = item ? item->property(kHelpContextProperty).toInt() : 0;
        const int menuContext = menu->menuAction()->property(kHelpContextProperty).toInt();
        menu->close();
        showHelp_(context > 0 ? context : menuContext);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace linealidad
