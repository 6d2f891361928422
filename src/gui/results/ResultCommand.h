#pragma once

#include "core/results/ResultCommands.h"
#include "gui/common/ResultHost.h"

#include <functional>

namespace linealidad {

// The frame every result command shares: the study is validated (its problem shown, nothing
// else done, when it fails), then `command` runs with the study, the decimal separator and the
// shared result set; a fault ends it in the generic error report, leaving what it had done.
void runResultCommand(ResultHost& host,
                      const std::function<void(const Study&, char, ResultSet&)>& command);

// What a result command says instead of opening its window when the slope is zero.
void reportZeroSlope(ResultHost& host);

// A sink that opens a `Window` on the first lines it receives (the window is filled, then
// shown) and appends every later part to it. `window` names the window once it is open.
template <typename Window> LineSink windowSink(ResultHost& host, Window*& window) {
    return [&host, &window](const std::vector<std::string>& lines) {
        const bool opening = !window;
        if (opening)
            window = new Window(host);
        window->append(lines);
        if (opening)
            window->showIn(host.ClientArea());
    };
}

} // namespace linealidad
