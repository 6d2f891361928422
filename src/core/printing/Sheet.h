#pragma once

#include <string>
#include <variant>
#include <vector>

namespace linealidad {

// One printed sheet of a report, laid out in page units before any document begins: lines
// count in L from the top of the printable area, columns in U from its left edge (see
// PageUnits). The items are drawn in their order.

// The font "ARIAL" at a size in points, for the texts that follow.
struct SheetFont {
    int points = 12;
    friend bool operator==(const SheetFont&, const SheetFont&) = default;
};

enum class Placement { Column, Centred, RightAligned };

// A text with its top at `line`; its left edge at `column` or, centred or right-aligned, where
// the printable width and the text's width put it.
struct SheetText {
    int line = 0;
    Placement placement = Placement::Column;
    int column = 0;
    std::string text;
    friend bool operator==(const SheetText&, const SheetText&) = default;
};

// A line across the whole printable width, `pixels` device pixels below `line`.
struct SheetRule {
    int line = 0;
    int pixels = 0;
    friend bool operator==(const SheetRule&, const SheetRule&) = default;
};

using SheetItem = std::variant<SheetFont, SheetText, SheetRule>;

struct Sheet {
    std::vector<SheetItem> items;
};

} // namespace linealidad
