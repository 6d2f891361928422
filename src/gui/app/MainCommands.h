#pragma once

#include "gui/app/CommandBuilder.h"

#include <vector>

namespace linealidad {

class TMainForm;

// The main window's command table: its menus and their items, then the tool bar "SpeedBar"'s
// buttons, in the order they appear, each with what it runs in `window`.
std::vector<CommandRow> mainCommands(TMainForm& window);

} // namespace linealidad
