#include "gui/app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    linealidad::Startup startup;
    return QApplication::exec();
}
