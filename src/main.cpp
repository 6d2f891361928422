#include "gui/app/HeadlessPdf.h"
#include "gui/app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // `linealidad --pdf ...` writes the printed pages of a study file and shows no window.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (linealidad::isPdfCommandLine(arguments))
        return linealidad::pdfMain(argc, argv, arguments);

    QApplication app(argc, argv);
    linealidad::Startup startup(QApplication::arguments().mid(1)); // a study to open
    return QApplication::exec();
}
