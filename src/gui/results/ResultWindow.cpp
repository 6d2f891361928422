#include "gui/results/ResultWindow.h"

#include "gui/common/ResultHost.h"
#include "gui/common/WindowKeys.h"
#include "gui/common/helpcons.h"
#include "gui/widgets/TextColumn.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>

namespace linealidad {
namespace {

// The base colour of the program's read-only texts: the button face.
void setButtonFaceBase(QWidget* widget) {
    QPalette background = widget->palette();
    background.setColor(QPalette::Base, background.color(QPalette::Button));
    widget->setPalette(background);
}

} // namespace

ResultWindow::ResultWindow(ResultHost& host, const QString& title, const QSize& size,
                           int helpContext)
    : host_(host), title_(title) {
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty(kHelpContextProperty, helpContext);
    resize(size);
    auto* copyAction = new QAction(this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &ResultWindow::copy);
    addAction(copyAction);
    closeWithKeys(*this);
}

void ResultWindow::copy() const {
    const CellRows rows = copyCells();
    if (!rows.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(joinTabSeparated(rows)));
}

// The title comes last: each geometry change of a child window, and its showing, measure the
// title bar's text again (shaping it anew), a good part of the cost of opening the window.
void ResultWindow::showIn(QMdiArea* area) {
    area->addSubWindow(this);
    const QSize free = area->viewport()->size();
    move(std::max(0, (free.width() - width()) / 2), std::max(0, (free.height() - height()) / 2));
    show();
    setWindowTitle(title_);
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    const bool last = mdiArea() && mdiArea()->subWindowList().size() == 1;
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && last)
        host_.apply(StudyEvent::LastChildWindowCloses);
}

QPlainTextEdit* ResultWindow::fixedMemo(QWidget* parent, const char* name) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setContextMenuPolicy(Qt::NoContextMenu);
    setButtonFaceBase(memo);
    return memo;
}

TextColumn* ResultWindow::fixedColumn(QWidget* parent, const char* name) {
    auto* column = new TextColumn(parent);
    column->setObjectName(QString::fromLatin1(name));
    column->setContextMenuPolicy(Qt::NoContextMenu);
    setButtonFaceBase(column);
    return column;
}

void ResultWindow::addCloseMenu(QWidget* widget) {
    auto* menu = new QMenu(widget);
    menu->addAction(QStringLiteral("cerrar"), this, &QWidget::close);
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, menu,
            [menu, widget](const QPoint& p) { menu->popup(widget->mapToGlobal(p)); });
}

std::vector<std::string> linesOf(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(line.toStdString());
    return lines;
}

QString onePerLine(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& l : lines)
        text << QString::fromStdString(l);
    return text.join(QLatin1Char('\n'));
}

} // namespace linealidad
