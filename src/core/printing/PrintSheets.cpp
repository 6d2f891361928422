#include "core/printing/PrintSheets.h"

#include "core/printing/PageUnits.h"
#include "core/printing/SheetFooter.h"
#include "core/printing/TextWrap.h"

namespace linealidad {
namespace {

// The texts of a sheet are drawn in its font, always "ARIAL" with the default pitch; the
// capitals are the program's own.
const char* const kFontName = "ARIAL";

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

    void operator()(const SheetText& t) { canvas_.textOut(left(t), units_.y(t.line), t.text); }

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
    int left(const SheetText& t) {
        switch (t.placement) {
        case Placement::Column:
            return units_.x(t.column);
        case Placement::Centred:
            return (canvas_.width() - canvas_.textWidth(t.text)) / 2;
        case Placement::RightAligned:
            return canvas_.width() - canvas_.textWidth(t.text);
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
