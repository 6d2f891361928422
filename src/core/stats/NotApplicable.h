#pragma once

#include <string>
#include <variant>

namespace linealidad {

// Why a statistic cannot be computed on a study, in the words shown in parentheses after
// "no aplicable".
struct NotApplicable {
    std::string reason;
    friend bool operator==(const NotApplicable&, const NotApplicable&) = default;
};

// A statistic's value, or why the study does not allow it.
template <typename T> using Applicable = std::variant<T, NotApplicable>;

// The value, or null when the statistic does not apply.
template <typename T> const T* valueOf(const Applicable<T>& a) {
    return std::get_if<T>(&a);
}

} // namespace linealidad
