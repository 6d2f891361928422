#pragma once

#include "core/printing/PrintStamp.h"
#include "support/RecordingCanvas.h"

#include <QStringList>

#include <string>
#include <vector>

namespace linealidad::test {

// The texts of a printed page as "y x text" lines, in drawing order, for comparing whole pages.
QStringList placed(const std::vector<RecordingCanvas::Text>& texts);

// A stamp with every field known, for the footers of pages under test: the study saved as
// "estudio.w02", printed by "analista" with version 3.1.
PrintStamp testStamp();

// The lines `placed` gives for a page drawn at 600 dots per inch (L = 100) on a recording
// canvas `width` pixels wide and `height` high: columns in U of `unit` pixels (12 for the laser
// layout, 24 for the deskjet one), centred and right-aligned texts by the recording canvas's
// widths in the current font.
class ExpectedTexts {
public:
    explicit ExpectedTexts(int width, int height = 6716, int unit = 12)
        : width_(width), pageHeight_(height), unit_(unit) {}

    // The font of the texts that follow, in points (12, 11 or 10).
    ExpectedTexts& font(int points);
    ExpectedTexts& at(int line, int column, const std::string& text);
    ExpectedTexts& centred(int line, const std::string& text);
    ExpectedTexts& right(int line, const std::string& text);
    // The footer of sheet `page` of `pages` with testStamp(), centred at the foot of the page
    // in its 6-point type; the font of the texts that follow is unknown.
    ExpectedTexts& footer(int page, int pages);

    QStringList lines;

private:
    int textWidth(const std::string& text) const;

    int width_;
    int pageHeight_;
    int unit_;
    int height_ = 100;
};

} // namespace linealidad::test
