#pragma once

#include <functional>
#include <string>
#include <vector>

namespace linealidad {

// The mark of a text cut short.
inline constexpr const char* kCutMark = "…";

// The width of a text in the font it will be drawn in, in device pixels.
using MeasureText = std::function<int(const std::string&)>;

// `text` cut to `width`: as it is when it fits, otherwise its longest beginning that fits with
// "…" after it (only "…" when not even one character does).
std::string cutToWidth(const std::string& text, int width, const MeasureText& measure);

// The lines `text` takes when it wraps at its blanks within `width`: each line holds the words
// that fit, joined by one blank; a word wider than the whole width is broken where it reaches
// the edge. At most `maxLines` lines: when the text goes on past them, the last one is cut
// with "…". A text that fits on one line is returned as it is.
std::vector<std::string> wrapText(const std::string& text, int width, int maxLines,
                                  const MeasureText& measure);

} // namespace linealidad
