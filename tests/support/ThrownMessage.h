#pragma once

#include <QString>

#include <functional>

namespace linealidad::test {

// The message of the `Error` that `action` throws, or an empty text when it throws none. Any
// other exception goes on to the test, which then fails.
template <typename Error> QString thrownMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

} // namespace linealidad::test
