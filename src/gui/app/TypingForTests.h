#pragma once

class QString;

namespace linealidad {

class TMainForm;

// The command-line option `--test-type TEXT`, for the tests that run the program as a process:
// runs "&Nuevo" and types TEXT into the method box of the new study as key presses, through the
// same handlers as the keyboard. The recovery test uses it to have a study with unsaved typing
// and then kills the program.
void typeIntoNewStudy(TMainForm& window, const QString& text);

} // namespace linealidad
