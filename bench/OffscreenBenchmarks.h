#pragma once

#include "RunBenchmarks.h"

#include <QByteArray>

namespace linealidad::bench {

// runBenchmarks inside a Qt application of type `App` (QGuiApplication for painting only,
// QApplication for windows) on the offscreen platform, so that no display is needed.
template <class App> int runOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    return runBenchmarks(argc, argv);
}

} // namespace linealidad::bench
