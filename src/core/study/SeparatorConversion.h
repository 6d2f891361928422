#pragma once

#include "core/study/Study.h"

#include <string>
#include <vector>

namespace linealidad {

// Studies typed on a computer whose decimal separator is the other one of "." and ",": their
// X and Y texts keep that separator (numbers are stored as typed) and would fail every
// conversion here. A study whose numbers all use the other separator is rewritten on reading;
// one that mixes both is rewritten only when the analyst agrees. The conversions themselves
// never take both separators at once, so "12,345" never quietly becomes 12.345.

// The other separator of the pair: "," for ".", "." for anything else.
char otherDecimalSeparator(char decimal);

// Where each observation's X and Y texts were read from: a line of a study file, or a row of a
// table; one entry per observation, in order.
struct NumberSources {
    std::vector<int> x;
    std::vector<int> y;
};

// The lines (or rows) whose numbers are written with each separator, in ascending order and
// each once. Whole numbers and texts that are not numbers count for neither.
struct SeparatorUse {
    std::vector<int> here;  // numbers with this computer's separator
    std::vector<int> other; // numbers with the other one
};

SeparatorUse separatorUse(const Study& study, char decimal, const NumberSources& sources);

// Rewrites, with `decimal`, every X and Y text that is a number written with the other
// separator; other texts (those that are not numbers among them) stay as they are. Returns how
// many texts changed.
int convertToSeparator(Study& study, char decimal);

// What the places of a source are called: the lines of a study file, the rows of a table.
enum class SourcePlaces { Lines, Rows };

// The question for a study that mixes both separators: which lines (or rows) of `source`
// ("este archivo", "la tabla copiada") use each, and whether to convert them all to `decimal`.
std::string mixedSeparatorQuestion(const SeparatorUse& use, char decimal, const std::string& source,
                                   SourcePlaces places);

// What the status line says once the numbers are converted to `decimal`.
std::string separatorConvertedNote(char decimal);

} // namespace linealidad
