#include "core/printing/PrintSheets.h"

#include "core/CutToWidth.h"
#include "core/printing/PageUnits.h"
#include "core/printing/SheetFooter.h"
#include "core/text/TextWrap.h"

namespace linealidad {
namespace {

// The texts of a sheet are drawn in its font, always "ARIAL" with the default pitch; the
// capitals are the program's own.
const char* const kFontName = "ARIAL";

// A text of more bytes than this is a long one: about as many as the widest line of a page
// holds in its narrowest characters (at 10 points across A4, some 250 "i" or "l"). Shorter
// texts are measured whole.
constexpr std::size_t kLongText = 256;

class SheetPainter {
public:
    SheetPainter(Canvas& canvas, int unitDpi)
        : canvas_(canvas), units_(canvas.pixelsPerInch(), unitDpi) {}

    void operator()(const SheetFont& f) {
        Font font;
        font.name = kFontName;
        font.height = -units_.pointsToPixels(f.points);
        canvas_.setFont(font);
    }

    // A long text (a study's name of thousands of characters) is cut where the page ends,
    // before it is measured or drawn: its full layout would cost seconds and megabytes for
    // what no sheet shows. The lines of a page's own layout are placed as composed.
    void operator()(const SheetText& t) {
        const int start = t.placement == Placement::Column ? units_.x(t.column) : 0;
        const std::string text = t.text.size() > kLongText
                                     ? cutToWidth(canvas_, t.text, canvas_.width() - start)
                                     : t.text;
        canvas_.textOut(left(t.placement, start, text), units_.y(t.line), text);
    }

    void operator()(const SheetParagraph& p) {
        const int left = units_.x(p.column);
        const std::vector<std::string> lines =
            wrapText(p.text, canvas_.width() - left, p.lastLine - p.line + 1,
                     [this](const std::string& text) { return canvas_.textWidth(text); });
        for (std::size_t i = 0; i < lines.size(); ++i)
            canvas_.textOut(left, units_.y(p.line + static_cast<int>(i)), lines[i]);
    }

    void operator()(const SheetRule& r) {
        const int y = units_.y(r.line) + r.pixels;
        canvas_.moveTo(0, y);
        canvas_.lineTo(canvas_.width(), y);
    }

private:
    int left(Placement placement, int column, const std::string& text) {
        switch (placement) {
        case Placement::Column:
            return column;
        case Placement::Centred:
            return (canvas_.width() - canvas_.textWidth(text)) / 2;
        case Placement::RightAligned:
            return canvas_.width() - canvas_.textWidth(text);
        }
        return 0;
    }

    Canvas& canvas_;
    PageUnits units_;
};

} // namespace

void drawSheet(Canvas& canvas, const Sheet& sheet) {
    SheetPainter painter(canvas, sheet.unitDpi);
    for (const SheetItem& item : sheet.items)
        std::visit(painter, item);
}

void printSheets(PrintDocument& document, const std::vector<Sheet>& sheets,
                 const PrintStamp& stamp) {
    Canvas& canvas = document.BeginDoc();
    const auto pages = static_cast<int>(sheets.size());
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            document.NewPage();
        drawSheet(canvas, sheets[static_cast<std::size_t>(i)]);
        drawFooter(canvas, stamp, i + 1, pages);
    }
    document.EndDoc();
}

} // namespace linealidad
