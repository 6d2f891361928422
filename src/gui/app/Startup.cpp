#include "gui/app/Startup.h"

#include "core/app/OptionReader.h"
#include "gui/app/RecoveryKeeper.h"
#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Glyphs.h"
#include "gui/study/TFinforma.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>

namespace linealidad {

namespace {

// The window takes no options: those it is given are passed over (Qt has taken its own
// already, and a desktop may add more).
CommandLine readStartupLine(const QStringList& arguments) {
    std::vector<std::string> line;
    for (const QString& argument : arguments)
        line.push_back(argument.toStdString());
    return readCommandLine(line, {}, UnknownOptions::Skip);
}

} // namespace

Startup::Startup(const QStringList& arguments, std::unique_ptr<Dialogs> dialogs) {
    const CommandLine line = readStartupLine(arguments);
    // The first argument that is no option: the study to open.
    const QString study =
        line.positionals.empty() ? QString() : QString::fromStdString(line.positionals.front());
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
                     [this, study] { afterFirstPaint(study); });
    // Maximized; the geometry is set as well for desktops without a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm->setGeometry(screen->availableGeometry());
    MainForm->showMaximized();
    MainForm->activateWindow();
    MainForm->startRecovery(defaultRecoveryFolder());
}

// The splash window comes with the other windows kept from start-up, once the main window has
// shown itself: its pictures and faces would delay that first paint. The questions come first,
// each in front of the main window with the focus: the splash window stays above every window
// and would hide them, while the modal box holds the activation its timer waits for. After a
// question the program is already in the analyst's hands, and the splash window stays away.
void Startup::afterFirstPaint(const QString& study) {
    const bool asked = MainForm->offerRecovery();
    const bool opened = study.isEmpty() || openStudy(study);
    if (!asked && opened)
        showSplash();
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

// False when the study could not be opened, after saying why. A study recovered just before
// keeps its window: the program holds one study at a time.
bool Startup::openStudy(const QString& study) {
    const QString path = QFileInfo(study).absoluteFilePath();
    if (!MainForm->Finforma())
        return MainForm->openStudy(path);
    MainForm->dialogs().message(
        QStringLiteral("No se abrió \"%1\": ya está abierto el estudio recuperado. Para "
                       "abrir el archivo, cierre ese estudio y use «Abrir...».")
            .arg(path));
    return false;
}

Startup::~Startup() = default;

} // namespace linealidad
