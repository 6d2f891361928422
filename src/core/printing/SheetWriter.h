#pragma once

#include "core/printing/Sheet.h"

#include <functional>
#include <string>
#include <vector>

namespace linealidad {

// Writes a report sheet by sheet. Every sheet starts with the layout's header and then the
// font of the page's body; the page routine's lines go to the current sheet.
class SheetWriter {
public:
    using Header = std::function<void(SheetWriter&)>;

    // Begins the first sheet.
    SheetWriter(Header header, int bodyPoints);

    // The resolution of the printer the layout was drawn for (kLaserUnitDpi by default): the
    // size of U on every sheet.
    void setUnitDpi(int unitDpi) { unitDpi_ = unitDpi; }
    // The printable width in U (see printableColumns).
    int printableColumns() const;
    // What every sheet after the first draws after the header, so that a sheet that comes
    // apart from the first still says which report it continues.
    void setContinuation(Header continuation) { continuation_ = std::move(continuation); }

    // Begins another sheet, for a table that did not fit on the one before.
    void newSheet();

    void font(int points);
    void text(int line, int column, std::string text);
    void centred(int line, std::string text);
    void rightAligned(int line, std::string text);
    // A text wrapped within the printable width, on lines `line` to `lastLine`.
    void paragraph(int line, int column, int lastLine, std::string text);
    void rule(int line, int pixels = 0);

    std::vector<Sheet> sheets() &&;

private:
    template <typename Item> void add(Item item) {
        sheets_.back().items.emplace_back(std::in_place_type<Item>, std::move(item));
    }

    Header header_;
    Header continuation_;
    int bodyPoints_;
    int unitDpi_ = kLaserUnitDpi;
    std::vector<Sheet> sheets_;
};

} // namespace linealidad
