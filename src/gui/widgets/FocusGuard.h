#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace linealidad {

class Dialogs;

// Runs the exit and enter handlers of a window's controls as the focus moves between them,
// the way the program checks what was typed: leaving a control runs its check; a check that
// fails sends the focus back, and then the control that was being reached gets no enter
// handler. Focus that goes to another window (a message box among them) and comes back fires
// nothing, so a message never triggers its own check again. Moves made by the handlers
// themselves fire nothing either.
class FocusGuard : public QObject {
    Q_OBJECT
public:
    // An exit check: false when it failed (and sent the focus back).
    using ExitCheck = std::function<bool()>;
    using Enter = std::function<void()>;

    FocusGuard(QWidget* window, std::function<Dialogs&()> dialogs);

    // A control of the window (with everything inside it) and its handlers.
    void watch(QWidget* control, ExitCheck onExit = {}, Enter onEnter = {});
    // Runs when the focus first arrives in the window.
    void setOnEnterWindow(Enter input) { onEnterWindow_ = std::move(input); }
    // Makes a control visible before it takes the focus (e.g. selects its page).
    void setRevealControl(std::function<void(QWidget*)> display) { display_ = std::move(display); }

    QWidget* active() const { return active_; }

    // Gives the focus to `control` as a click would; false when the check of the control
    // being left refused it. Buttons that take no focus on a click call this first.
    bool takeFocus(QWidget* control);
    // Shows `control` and gives it the focus; the handlers run unless a handler is moving it.
    void focus(QWidget* control);
    // The same as Tab moving the focus on to `control` (Enter moves it so): the check of the
    // control being left runs, and a text box reached selects its text.
    void advance(QWidget* control);
    // A failed check: the focus goes back to `control` at once, and `message` is shown as soon
    // as the focus change that caused it has finished (never in the middle of a click).
    void refuse(const QString& message, QWidget* control);

    // While an instance lives, focus changes fire no handler (the window is being filled).
    class Pause {
    public:
        explicit Pause(FocusGuard& v) : v_(v), before_(v.paused_) { v.paused_ = true; }
        ~Pause() { v_.paused_ = before_; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        FocusGuard& v_;
        bool before_;
    };

private:
    struct Control {
        QWidget* widget;
        ExitCheck onExit;
        Enter onEnter;
    };
    void focusChanges(QWidget* now);
    const Control* controlOf(QWidget* widget) const;
    bool leave(const Control& control);
    void enter(const Control& control);
    void showLater(const QString& text, bool isError);
    void moveTo(QWidget* control, Qt::FocusReason reason);

    QWidget* window_;
    std::function<Dialogs&()> dialogs_;
    std::vector<Control> controls_;
    Enter onEnterWindow_;
    std::function<void(QWidget*)> display_;
    QWidget* active_ = nullptr;
    bool paused_ = false;
};

} // namespace linealidad
