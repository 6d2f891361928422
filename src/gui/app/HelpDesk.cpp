#include "gui/app/HelpDesk.h"

#include "gui/app/HelpViewer.h"
#include "gui/common/helpcons.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>

namespace linealidad {

HelpDesk::HelpDesk(QWidget& mainWindow, QMdiArea& childWindows)
    : QObject(&mainWindow), mainWindow_(mainWindow), childWindows_(childWindows) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &mainWindow);
    connect(f1, &QShortcut::activated, this, &HelpDesk::mainWindowF1);
}

void HelpDesk::showContents() {
    viewer(nullptr).showContents();
}

void HelpDesk::showIndex() {
    viewer(nullptr).showIndex(QString());
}

void HelpDesk::showTopic(int context, QWidget* from) {
    viewer(from).showTopic(context);
}

void HelpDesk::installF1(QWidget* window) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    connect(f1, &QShortcut::activated, this,
            [this, window] { showTopic(window->property(kHelpContextProperty).toInt()); });
}

void HelpDesk::mainWindowF1() {
    if (QMdiSubWindow* active = childWindows_.activeSubWindow()) {
        const int context = active->property(kHelpContextProperty).toInt();
        if (context > 0) {
            showTopic(context);
            return;
        }
    }
    showContents();
}

// Help opened from a modal window (a chart, the chart options, the predictions) becomes that
// window's child, kept in front of it: a modal window blocks every window but its own, and a
// chart stays on top of the others.
HelpViewer& HelpDesk::viewer(QWidget* from) {
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = from ? from : (modal && modal != viewer_ ? modal : &mainWindow_);
    if (!viewer_)
        viewer_ = new HelpViewer(owner);
    viewer_->setOwner(owner, owner != &mainWindow_);
    return *viewer_;
}

} // namespace linealidad
