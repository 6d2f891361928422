#include "gui/app/Startup.h"

#include "gui/app/RecoveryKeeper.h"
#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"
#include "gui/app/TypingForTests.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Glyphs.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>

namespace linealidad {

Startup::Startup(const QStringList& files) {
    QApplication::setApplicationName(kApplicationTitle);
    // The installed launcher's name, by which a desktop matches the windows to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(LINEALIDAD_APP_ID));
    QApplication::setWindowIcon(QIcon(programEmblem(QSize(64, 64))));
    // The standard buttons and dialogs speak Spanish, as the rest of the program.
    if (translator_.load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator_);

    MainForm = std::make_unique<TMainForm>();
    // The splash window comes with the other windows kept from start-up, once the main window
    // has shown itself: its pictures and faces would delay that first paint. A study given
    // to open comes first, so that the splash window does not cover a report that it could
    // not be read.
    QObject::connect(MainForm.get(), &TMainForm::firstPainted, MainForm.get(), [this, files] {
        openFirst(files);
        showSplash();
    });
    // Maximized; the geometry is set as well for desktops without a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm->setGeometry(screen->availableGeometry());
    MainForm->showMaximized();
    MainForm->activateWindow();
    MainForm->startRecovery(defaultRecoveryFolder());
    typeForTests();
}

// `--test-type TEXT` types TEXT into a new study once the program runs, for the tests that run
// the program as a process (README, "Development").
void Startup::typeForTests() {
    const QStringList arguments = QApplication::arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--test-type"));
    if (at > 0 && at + 1 < arguments.size())
        QTimer::singleShot(0, MainForm.get(), [form = MainForm.get(), text = arguments.at(at + 1)] {
            typeIntoNewStudy(*form, text);
        });
}

// Shown above every other window; its timer runs from each activation of the main window, and
// from now when the main window is already active.
void Startup::showSplash() {
    Fshow = std::make_unique<TFshow>();
    QObject::connect(MainForm.get(), &TMainForm::activated, Fshow.get(), &TFshow::startTimer);
    Fshow->show();
    Fshow->raise();
    if (MainForm->isActiveWindow())
        Fshow->startTimer();
}

// The first argument that is neither an option nor the text of `--test-type`.
void Startup::openFirst(const QStringList& files) {
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (files.at(i) == QStringLiteral("--test-type")) {
            ++i;
            continue;
        }
        if (files.at(i).startsWith(QLatin1Char('-')))
            continue;
        MainForm->openStudy(QFileInfo(files.at(i)).absoluteFilePath());
        return;
    }
}

Startup::~Startup() = default;

} // namespace linealidad
