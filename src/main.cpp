#include "gui/app/HeadlessPdf.h"
#include "gui/app/TFshow.h"
#include "gui/app/TMainForm.h"
#include "gui/common/Dialogs.h"
#include "gui/common/Glyphs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

using namespace linealidad;

int main(int argc, char* argv[]) {
    // `linealidad --pdf ...` writes the printed pages of a study file and shows no window.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (isPdfCommandLine(arguments))
        return pdfMain(argc, argv, arguments);

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
    return QApplication::exec();
}
