// One input is one study file, taken through what the open command and the result commands do
// with a file: it is read, validated, and when valid computed and written as the inference,
// variance, residuals and report windows write it, its validation statistics written as their
// window and the command-line tool write them, and judged against the default acceptance
// criteria, with a decimal point and with a decimal comma. The faults the program reports to the
// user (Fault and its kinds) are expected outcomes; anything else, a crash, another exception or a
// sanitizer report, is a finding.
//
// libFuzzer calls LLVMFuzzerTestOneInput; the replay program (ReplayInputs.cpp) calls it too,
// so a plain test runs every committed input with any compiler.

#include "core/acceptance/AcceptanceVerdict.h"
#include "core/results/ResultCommands.h"
#include "core/results/ValidationCommand.h"
#include "core/results/ValidationLines.h"
#include "core/results/ValidationSections.h"
#include "core/study/StudyFile.h"
#include "core/study/ValidaEstudio.h"
#include "core/text/Errors.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace linealidad;

namespace {

// The input as a file the reader opens by name, as it opens a study: an anonymous file in
// memory, rewritten for each input, so no input touches the disk or leaves a file behind.
class InputFile {
public:
    InputFile() : fd_(memfd_create("study.w02", 0)) {
        if (fd_ < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::string& hold(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(fd_, 0) != 0 || pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)) {
            std::perror("writing the input");
            std::abort();
        }
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

// Runs one command; a fault ends that command only, as the generic error report does.
template <typename Command> void guarded(Command command) {
    try {
        command();
    } catch (const Fault&) {
    }
}

// The four result commands, the validation statistics and the acceptance verdict in turn on
// one result set, as the main
// window's commands share theirs, so each command also meets what the previous one left in the set.
// Their texts are built and dropped: building them is what is under test.
void runCommands(const Study& study, char decimal) {
    ResultSet results;
    const LineSink sink = [](const std::vector<std::string>&) {};
    guarded([&] { inferenceCommand(study, decimal, results, sink); });
    guarded([&] { varianceCommand(study, decimal, results); });
    guarded([&] { residualsCommand(study, decimal, results); });
    guarded([&] { reportCommand(study, decimal, results, sink); });
    guarded([&] {
        if (const auto statistics = validationCommand(study, decimal, results, true)) {
            validationSections(*statistics, decimal);
            validationLines(*statistics, decimal);
        }
    });
    guarded([&] { evaluateAcceptance(study, decimal, defaultCriteria(), results); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static InputFile file;
    Study study;
    try {
        study = readStudy(file.hold(data, size));
        if (ValidaEstudio(study))
            return 0; // the commands never run on a study with a problem
    } catch (const Fault&) {
        return 0;
    }
    runCommands(study, '.');
    runCommands(study, ',');
    return 0;
}
