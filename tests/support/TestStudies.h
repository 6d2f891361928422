#pragma once

#include "core/study/Study.h"

#include <string>
#include <vector>

namespace linealidad::test {

// A study with the given replicate counts and X/Y texts, titled as a new study and with the
// data grid sized to the observations.
Study study(const std::vector<int>& replicates, const std::vector<std::string>& x,
            const std::vector<std::string>& y);

// `s` with the five general-information texts: method, analyst, date, units of X, name of Y.
Study described(Study s, const std::string& method, const std::string& analyst,
                const std::string& date, const std::string& units, const std::string& property);

// Three levels of two replicates: X = 1, 1, 2, 2, 3, 3 and Y = 1.0, 1.2, 2.1, 1.9, 3.2, 2.9,
// with units "mg" and property "Absorbancia". m = 0.975, b = 0.1. The Y texts are written with
// `decimal` as the separator.
Study workedExample(char decimal = '.');

// `levels` levels of `replicates` replicates on a noisy line: X = 1, 2, ... by level, Y near 2X
// with one decimal written with '.'.
Study noisyLine(int levels, int replicates);

} // namespace linealidad::test
