// linealidad-cli VISTA ARCHIVO [--decimal C] (or VISTA --tabla ARCHIVO): the text of a result
// window of a study file, or of a table of observations, on standard output.

#include "cli/Arguments.h"
#include "cli/EnvironmentSeparator.h"
#include "cli/HelpText.h"
#include "cli/Output.h"
#include "cli/Run.h"

#include <iostream>

using namespace linealidad::cli;

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const Arguments arguments =
        readArguments(std::vector<std::string>(argv + 1, argv + argc), environmentSeparator());
    if (arguments.help) {
        std::cout << helpText();
        return kSuccess;
    }
    if (!arguments.command) {
        std::cerr << usageErrorText(arguments.error);
        return kUsageError;
    }
    Output output(std::cout, std::cerr);
    return run(*arguments.command, output);
}
