// Linked into every test program: the process takes its locale from the environment before
// main, as the application (through QCoreApplication) and the command-line tool do, so a test
// sees what a user's program sees. CTest runs the tests that judge, convert or format numbers a
// second time under a decimal-comma locale; when LINEALIDAD_TEST_DECIMAL names the separator
// that run expects and the machine's locale gives another (the locale is not generated), the
// program stops rather than pass for the wrong reason.

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const bool adopted = [] {
    std::setlocale(LC_ALL, "");
    const char* expected = std::getenv("LINEALIDAD_TEST_DECIMAL");
    const char* actual = std::localeconv()->decimal_point;
    if (expected && std::strcmp(expected, actual) != 0) {
        std::fprintf(stderr,
                     "The locale of this run writes \"%s\" as its decimal separator, not \"%s\": "
                     "run scripts/setup to generate it.\n",
                     actual, expected);
        std::exit(1);
    }
    return true;
}();

} // namespace
