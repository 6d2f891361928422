#pragma once

#include <string>
#include <variant>
#include <vector>

namespace linealidad {

// One printed sheet of a report, laid out in page units before any document begins: lines
// count in L from the top of the printable area, columns in U from its left edge (see
// PageUnits). The items are drawn in their order. Every sheet fits the printable area of A4 and
// of letter paper, within a laser printer's border of a quarter of an inch.

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

// A text that wraps at its blanks to stay within the printable width: its first line at
// `line`, the next ones below it down to `lastLine`, all from `column`. A word wider than the
// whole width is broken where it reaches the edge, and what does not fit by `lastLine` ends in
// "…" on that line.
struct SheetParagraph {
    int line = 0;
    int column = 0;
    int lastLine = 0;
    std::string text;
    friend bool operator==(const SheetParagraph&, const SheetParagraph&) = default;
};

// A line across the whole printable width, `pixels` device pixels below `line`.
struct SheetRule {
    int line = 0;
    int pixels = 0;
    friend bool operator==(const SheetRule&, const SheetRule&) = default;
};

using SheetItem = std::variant<SheetFont, SheetText, SheetParagraph, SheetRule>;

// The laser layout was drawn for a printer of 600 dots per inch, the deskjet layout for one of
// 300: U is 12 dots of that printer (see PageUnits).
constexpr int kLaserUnitDpi = 600;
constexpr int kDeskjetUnitDpi = 300;

struct Sheet {
    std::vector<SheetItem> items;
    int unitDpi = kLaserUnitDpi;
};

} // namespace linealidad
