#pragma once

#include "gui/app/CommandBuilder.h"

#include <vector>

namespace linealidad {

class TMainForm;

// The main window's command table: its menus and their items, then the tool bar "SpeedBar"'s
// buttons, in the order they appear, each with what it runs in `window`.
std::vector<CommandRow> mainCommands(TMainForm& window);

// Adds the tool bar "SpeedBar" to the main window, then its menus and buttons from the table;
// the hints of the menus go to `showHint`, F1 on them to the window's help. Returns the
// menus, items and buttons of each enabling group.
CommandGroups createMainCommands(TMainForm& window, std::function<void(const QString&)> showHint);

} // namespace linealidad
