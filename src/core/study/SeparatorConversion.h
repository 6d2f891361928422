#pragma once

#include "core/study/Study.h"

namespace linealidad {

// Studies typed on a computer whose decimal separator is the other one of "." and ",": their
// X and Y texts keep that separator (numbers are stored as typed) and fail every conversion
// here. Both separators are never accepted at once, so "12,345" never quietly becomes 12.345:
// the texts are rewritten only when the analyst agrees.

// The other separator of the pair: "," for ".", "." for anything else.
char otherDecimalSeparator(char decimal);

// The study's X and Y texts are written with the other separator: at least one of them fails
// to convert with `decimal`, and every one that is not empty converts with the other.
bool writtenWithOtherSeparator(const Study& study, char decimal);

// Rewrites the other separator as `decimal` in every X and Y text of the observation rows;
// returns how many texts changed.
int convertToSeparator(Study& study, char decimal);

} // namespace linealidad
