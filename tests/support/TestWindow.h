#pragma once

#include "gui/app/TMainForm.h"
#include "gui/common/DecimalSeparator.h"
#include "gui/study/TFinforma.h"
#include "support/FakeDialogs.h"
#include "support/TestStudies.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>

#include <memory>

namespace linealidad::test {

// A main window shown and active, with its dialogs answered by an InteraccionFalsa.
struct TestWindow {
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
    FakeDialogs* dialogs = nullptr;
    bool active = false; // the window became active (focus changes are reported only then)

    TestWindow() {
        setDecimalSeparator('.');
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        form->setDialogs(std::move(fake));
        form->resize(1000, 700);
        form->show();
        QApplication::setActiveWindow(form.get());
        active = QTest::qWaitForWindowActive(form.get());
    }

    QAction* action(const char* name) const {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }
    bool enabled(const char* name) const { return action(name)->isEnabled(); }

    template <typename T> T* control(const char* name) const {
        return form->Finforma() ? form->Finforma()->findChild<T*>(QString::fromLatin1(name))
                                : nullptr;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }

    // Runs the deferred work (messages of failed checks) and returns the widget with the focus.
    static QWidget* focus() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return QApplication::focusWidget();
    }
};

// A main window with `study` in its study window.
struct WithStudy : TestWindow {
    explicit WithStudy(const Study& study = workedExample()) {
        form->FileNew();
        focus();
        form->Finforma()->loadStudy(study);
    }
    int windows() const { return static_cast<int>(form->ClientArea()->subWindowList().size()); }
};

// No window of a test is left behind: every visible top-level window was closed.
inline bool noStrayWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return false;
    return true;
}

} // namespace linealidad::test
