#pragma once

#include "core/app/OptionReader.h"

#include <ostream>
#include <string>
#include <vector>

namespace linealidad::cli {

// Where the tool writes: the window's lines to standard output, messages to standard error.
// Lines are written as the window would receive them, so after a fault standard output holds
// what the window would already show.
class Output {
public:
    Output(std::ostream& lines, std::ostream& messages) : lines_(lines), messages_(messages) {}

    void line(const std::string& text);
    void lines(const std::vector<std::string>& texts);

    // Writes the message on its own line and returns the exit status of a failed run.
    int fail(const std::string& message);

private:
    std::ostream& lines_;
    std::ostream& messages_;
};

// Exit statuses.
constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsageError = kUsageErrorStatus;

} // namespace linealidad::cli
