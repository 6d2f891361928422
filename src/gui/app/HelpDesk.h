#pragma once

#include <QObject>
#include <QPointer>

class QMdiArea;
class QWidget;

namespace linealidad {

class HelpViewer;

// Where the main window's help opens: one help viewer, beside the window help was asked from,
// and the F1 key. In the main window F1 opens the topic of the active child window when it
// has one, otherwise the contents; in a dialog or a chart, the topic of its "helpContext".
class HelpDesk : public QObject {
    Q_OBJECT
public:
    HelpDesk(QWidget& mainWindow, QMdiArea& childWindows);

    void showContents();
    void showIndex();
    // The topic of a context number, beside the modal window `from` (or the active modal
    // window) when there is one.
    void showTopic(int context, QWidget* from = nullptr);
    // F1 in `window` opens the topic of its "helpContext" property.
    void installF1(QWidget* window);

private:
    void mainWindowF1();
    HelpViewer& viewer(QWidget* from);

    QWidget& mainWindow_;
    QMdiArea& childWindows_;
    QPointer<HelpViewer> viewer_;
};

} // namespace linealidad
