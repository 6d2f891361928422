#include "core/printing/SheetFooter.h"

#include "core/printing/PageUnits.h"
#include "core/text/TextWrap.h"

namespace linealidad {
namespace {

// Small enough for the longest line (a 64-digit hash among the rest) to fit the width of A4.
constexpr int kFooterPoints = 6;

void setFooterFont(Canvas& canvas) {
    Font font;
    font.name = "Arial";
    font.height = -PageUnits(canvas.pixelsPerInch()).pointsToPixels(kFooterPoints);
    canvas.setFont(font);
}

// The footer within `width`: the file's name cut first, then the whole line.
std::string fittedFooter(Canvas& canvas, const PrintStamp& stamp, int page, int pages, int width) {
    const MeasureText measure = [&canvas](const std::string& text) {
        return canvas.textWidth(text);
    };
    std::string text = footerText(stamp, page, pages);
    const int excess = measure(text) - width;
    if (excess > 0 && stamp.source == PrintStamp::Source::SavedStudy) {
        const int nameWidth = measure(stamp.file.name);
        text = footerText(stamp, page, pages,
                          cutToWidth(stamp.file.name, nameWidth - excess, measure));
    }
    return cutToWidth(text, width, measure);
}

} // namespace

void drawFooter(Canvas& canvas, const PrintStamp& stamp, int page, int pages) {
    setFooterFont(canvas);
    const std::string text = fittedFooter(canvas, stamp, page, pages, canvas.width());
    const int y = canvas.height() - canvas.textHeight(text);
    canvas.textOut((canvas.width() - canvas.textWidth(text)) / 2, y, text);
}

int footerRoom(Canvas& canvas) {
    setFooterFont(canvas);
    const int height = canvas.textHeight("Página");
    return height + height / 2;
}

} // namespace linealidad
