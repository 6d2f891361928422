#pragma once

#include "support/RecordingCanvas.h"

#include <QStringList>

#include <string>
#include <vector>

namespace linealidad::test {

// The texts of a printed page as "y x text" lines, in drawing order, for comparing whole pages.
QStringList placed(const std::vector<RecordingCanvas::Text>& texts);

// The lines `placed` gives for a page drawn at 600 dots per inch (U = 12 pixels, L = 100) on a
// recording canvas `width` pixels wide: centred and right-aligned texts by the recording
// canvas's widths in the current font.
class ExpectedTexts {
public:
    explicit ExpectedTexts(int width) : width_(width) {}

    // The font of the texts that follow, in points (12, 11 or 10).
    ExpectedTexts& font(int points);
    ExpectedTexts& at(int line, int column, const std::string& text);
    ExpectedTexts& centred(int line, const std::string& text);
    ExpectedTexts& right(int line, const std::string& text);

    QStringList lines;

private:
    int textWidth(const std::string& text) const;

    int width_;
    int height_ = 100;
};

} // namespace linealidad::test
