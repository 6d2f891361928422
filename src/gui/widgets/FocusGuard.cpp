#include "gui/widgets/FocusGuard.h"

#include "core/text/Errors.h"
#include "gui/common/Dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <exception>

namespace linealidad {

FocusGuard::FocusGuard(QWidget* window, std::function<Dialogs&()> dialogs)
    : QObject(window), window_(window), dialogs_(std::move(dialogs)) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanges(now); });
}

void FocusGuard::watch(QWidget* control, ExitCheck onExit, Enter onEnter) {
    controls_.push_back({control, std::move(onExit), std::move(onEnter)});
}

const FocusGuard::Control* FocusGuard::controlOf(QWidget* widget) const {
    if (!widget || !window_->isAncestorOf(widget))
        return nullptr;
    for (const Control& c : controls_)
        if (c.widget == widget || c.widget->isAncestorOf(widget))
            return &c;
    return nullptr;
}

void FocusGuard::focusChanges(QWidget* now) {
    if (paused_ || !now || (now != window_ && !window_->isAncestorOf(now)))
        return;
    const Control* fresh = controlOf(now);
    if (active_ && (!fresh || fresh->widget == active_))
        return;
    const Control* previous = controlOf(active_);
    active_ = fresh ? fresh->widget : nullptr;
    {
        Pause pause(*this);
        if (!previous) {
            if (onEnterWindow_)
                onEnterWindow_();
        } else if (leave(*previous) && fresh) {
            enter(*fresh);
        }
    }
    if (const Control* current = controlOf(QApplication::focusWidget()))
        active_ = current->widget;
}

bool FocusGuard::leave(const Control& control) {
    if (!control.onExit)
        return true;
    try {
        return control.onExit();
    } catch (const std::exception& e) {
        focus(control.widget);
        showLater(QString::fromStdString(genericReportText(e.what())), true);
        return false;
    }
}

void FocusGuard::enter(const Control& control) {
    if (!control.onEnter)
        return;
    try {
        control.onEnter();
    } catch (const std::exception& e) {
        showLater(QString::fromStdString(genericReportText(e.what())), true);
    }
}

bool FocusGuard::takeFocus(QWidget* control) {
    if (active_ != control)
        control->setFocus(Qt::MouseFocusReason);
    return active_ == control;
}

void FocusGuard::focus(QWidget* control) {
    moveTo(control, Qt::OtherFocusReason);
}

void FocusGuard::advance(QWidget* control) {
    moveTo(control, Qt::TabFocusReason);
}

void FocusGuard::moveTo(QWidget* control, Qt::FocusReason reason) {
    if (display_) {
        Pause pause(*this); // showing a page moves the focus on its own: not a user's move
        display_(control);
    }
    // Showing the page may have given `control` the focus already, unseen by the guard: the
    // move is handled as if it had been seen (the exit check of the control left runs).
    if (control->hasFocus())
        focusChanges(control);
    else
        control->setFocus(reason);
    // Nor does a box that had the focus already select its text.
    auto* box = qobject_cast<QLineEdit*>(control);
    if (reason == Qt::TabFocusReason && box && box->hasFocus())
        box->selectAll();
}

void FocusGuard::refuse(const QString& message, QWidget* control) {
    focus(control);
    showLater(message, false);
}

void FocusGuard::showLater(const QString& text, bool isError) {
    QTimer::singleShot(0, this, [this, text, isError] {
        Dialogs& i = dialogs_();
        if (isError)
            i.error(text);
        else
            i.message(text);
    });
}

} // namespace linealidad
