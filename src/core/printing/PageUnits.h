#pragma once

namespace linealidad {

// The units a printed sheet is laid out in, on a device of `dpi` dots per inch.
//
// L, the line unit, is the height of "ARIAL" at 12 points: 12 points in the device's dots
// (100 at 600 dpi). U, the column unit, is 12 dots of the printer the layout was drawn for
// (`unitDpi`: 600 for the laser layout, 300 for the deskjet one), scaled to this device (12 at
// 600 dpi for the laser layout, 24 for the deskjet one): counted in plain device pixels, a
// layout would run off the sheet on a coarser device and crowd into its left half on a finer
// one.
class PageUnits {
public:
    explicit PageUnits(int dpi, int unitDpi = 600) : dpi_(dpi), unitDpi_(unitDpi) {}

    int L() const;
    // `lines` L down, in device pixels.
    int y(int lines) const { return lines * L(); }
    // `columns` U across, in device pixels, rounded to the nearest.
    int x(int columns) const;
    // The character height of a font of `points` points, in device pixels.
    int pointsToPixels(int points) const;

private:
    int dpi_;
    int unitDpi_;
};

// The printable width every sheet is laid out for, in U of a layout drawn for `unitDpi`: that
// of A4, the narrower of A4 and letter, within a border of a quarter of an inch (7.77 inches).
int printableColumns(int unitDpi);

} // namespace linealidad
