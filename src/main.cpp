#include "gui/app/RecoveryKeeper.h"
#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"
#include "gui/app/TypingForTests.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Glyphs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

using namespace linealidad;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setWindowIcon(QIcon(programEmblem(QSize(64, 64))));

    // The standard buttons and dialogs speak Spanish, as the rest of the program.
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_es"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    TMainForm MainForm;
    TFshow Fshow;
    QObject::connect(&MainForm, &TMainForm::activated, &Fshow, &TFshow::startTimer);
    Fshow.show();
    // Maximized; the geometry is set as well for desktops without a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm.setGeometry(screen->availableGeometry());
    MainForm.showMaximized();
    MainForm.activateWindow();
    Fshow.raise();
    MainForm.startRecovery(defaultRecoveryFolder());

    // For tests that run the program as a process (README, "Development").
    const QStringList arguments = QApplication::arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--test-type"));
        at > 0 && at + 1 < arguments.size())
        QTimer::singleShot(0, &MainForm, [&MainForm, text = arguments.at(at + 1)] {
            typeIntoNewStudy(MainForm, text);
        });
    return QApplication::exec();
}
