// The program as the tests that run it as a process need it: linealidad's window with its
// start-up, and the option `--test-type TEXT`, which runs "&Nuevo" once the program runs and
// types TEXT into the method box of the new study as key presses, through the same handlers as
// the keyboard. The recovery test uses it to have a study with unsaved typing, and then kills
// the program. It is built for the tests only: the shipped program has no such option.

#include "core/app/OptionReader.h"
#include "gui/app/Startup.h"
#include "gui/app/TMainForm.h"
#include "gui/study/TFinforma.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

using namespace linealidad;

namespace {

void typeIntoNewStudy(TMainForm& window, const QString& text) {
    window.FileNew();
    if (!window.Finforma())
        return;
    auto* box = window.Finforma()->findChild<QLineEdit*>(QStringLiteral("emetodo"));
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

constexpr Option kOptions[] = {{.name = "--test-type"}};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    const CommandLine line = readCommandLine(arguments, kOptions, UnknownOptions::Skip);
    QStringList studies; // to open at start, as the program does
    for (const std::string& study : line.positionals)
        studies << QString::fromStdString(study);
    Startup startup(studies);
    if (const auto text = line.last("--test-type"))
        QTimer::singleShot(0, &startup.mainForm(),
                           [&startup, text = QString::fromStdString(*text)] {
                               typeIntoNewStudy(startup.mainForm(), text);
                           });
    return QApplication::exec();
}
