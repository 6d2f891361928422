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

    // Begins another sheet, for a table that did not fit on the one before.
    void newSheet();

    void font(int points);
    void text(int line, int column, std::string text);
    void centred(int line, std::string text);
    void rightAligned(int line, std::string text);
    void rule(int line, int pixels = 0);

    std::vector<Sheet> sheets() && { return std::move(sheets_); }

private:
    template <typename Item> void add(Item item) {
        sheets_.back().items.emplace_back(std::in_place_type<Item>, std::move(item));
    }

    Header header_;
    int bodyPoints_;
    std::vector<Sheet> sheets_;
};

} // namespace linealidad
