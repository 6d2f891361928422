#include "gui/app/Startup.h"

#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Glyphs.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>

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

void Startup::openFirst(const QStringList& files) {
    if (!files.isEmpty())
        MainForm->openStudy(QFileInfo(files.first()).absoluteFilePath());
}

Startup::~Startup() = default;

} // namespace linealidad
