#include "app/Glifos.h"
#include "app/Interaccion.h"
#include "app/TFshow.h"
#include "app/TMainForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

using namespace linealidad;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kTituloAplicacion);
    QApplication::setWindowIcon(QIcon(emblemaPrograma(QSize(64, 64))));

    // The standard buttons and dialogs speak Spanish, as the rest of the program.
    QTranslator traductor;
    if (traductor.load(QStringLiteral("qtbase_es"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductor);

    TMainForm MainForm;
    TFshow Fshow;
    QObject::connect(&MainForm, &TMainForm::activada, &Fshow, &TFshow::activaTemporizador);
    Fshow.show();
    // Maximized; the geometry is set as well for desktops without a window manager.
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        MainForm.setGeometry(pantalla->availableGeometry());
    MainForm.showMaximized();
    MainForm.activateWindow();
    Fshow.raise();
    return QApplication::exec();
}
