#include "gui/app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    linealidad::Startup startup(QApplication::arguments().mid(1)); // a study to open
    return QApplication::exec();
}
