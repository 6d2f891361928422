#include "gui/app/Startup.h"

#include "gui/app/RecoveryKeeper.h"
#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"
#include "gui/app/TypingForTests.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Glyphs.h"
#include "gui/study/TFinforma.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>

namespace linealidad {

Startup::Startup(const QStringList& files, std::unique_ptr<Dialogs> dialogs) {
    QApplication::setApplicationName(kApplicationTitle);
    // The installed launcher's name, by which a desktop matches the windows to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(LINEALIDAD_APP_ID));
    QApplication::setWindowIcon(QIcon(programEmblem(QSize(64, 64))));
    // The standard buttons and dialogs speak Spanish, as the rest of the program.
    if (translator_.load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator_);

    MainForm = std::make_unique<TMainForm>();
    if (dialogs)
        MainForm->setDialogs(std::move(dialogs));
    QObject::connect(MainForm.get(), &TMainForm::firstPainted, MainForm.get(),
                     [this, files] { afterFirstPaint(files); });
    // Maximized; the geometry is set as well for desktops without a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm->setGeometry(screen->availableGeometry());
    MainForm->showMaximized();
    MainForm->activateWindow();
    MainForm->startRecovery(defaultRecoveryFolder());
    typeForTests();
}

// The splash window comes with the other windows kept from start-up, once the main window has
// shown itself: its pictures and faces would delay that first paint. The questions come first,
// each in front of the main window with the focus: the splash window stays above every window
// and would hide them, while the modal box holds the activation its timer waits for. After a
// question the program is already in the analyst's hands, and the splash window stays away.
void Startup::afterFirstPaint(const QStringList& files) {
    const bool asked = MainForm->offerRecovery();
    const bool opened = openFirst(files);
    if (!asked && opened)
        showSplash();
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

// The first argument that is neither an option nor the text of `--test-type`; false when it
// could not be opened, after saying why. A study recovered just before keeps its window: the
// program holds one study at a time.
bool Startup::openFirst(const QStringList& files) {
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (files.at(i) == QStringLiteral("--test-type")) {
            ++i;
            continue;
        }
        if (files.at(i).startsWith(QLatin1Char('-')))
            continue;
        const QString path = QFileInfo(files.at(i)).absoluteFilePath();
        if (!MainForm->Finforma)
            return MainForm->openStudy(path);
        MainForm->dialogs().message(
            QStringLiteral("No se abrió \"%1\": ya está abierto el estudio recuperado. Para "
                           "abrir el archivo, cierre ese estudio y use «Abrir...».")
                .arg(path));
        return false;
    }
    return true;
}

Startup::~Startup() = default;

} // namespace linealidad
