#pragma once

namespace linealidad {

// The units a printed sheet is laid out in, on a device of `dpi` dots per inch.
//
// L, the line unit, is the height of "ARIAL" at 12 points: 12 points in the device's dots
// (100 at 600 dpi). U, the column unit, is 12 dots of the 600-dpi printer the layout was drawn
// for, scaled to this device (12 at 600 dpi, 6 at 300, 24 at 1200): counted in plain device
// pixels, a layout would run off the sheet at 300 dpi and crowd into its left half at 1200.
class PageUnits {
public:
    explicit PageUnits(int dpi) : dpi_(dpi) {}

    int L() const;
    // `lines` L down, in device pixels.
    int y(int lines) const { return lines * L(); }
    // `columns` U across, in device pixels, rounded to the nearest.
    int x(int columns) const;
    // The character height of a font of `points` points, in device pixels.
    int pointsToPixels(int points) const;

private:
    int dpi_;
};

} // namespace linealidad
