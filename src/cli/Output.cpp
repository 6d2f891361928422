#include "cli/Output.h"

namespace linealidad::cli {

void Output::line(const std::string& text) {
    lines_ << text << '\n';
}

void Output::lines(const std::vector<std::string>& texts) {
    for (const auto& text : texts)
        line(text);
}

int Output::fail(const std::string& message) {
    lines_.flush();
    messages_ << message << '\n';
    messages_.flush();
    return kFailure;
}

} // namespace linealidad::cli
