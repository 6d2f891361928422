#pragma once

#include "core/study/StudyFile.h"

#include <array>
#include <cstdint>

namespace linealidad {

// A chart holds four curves; the program numbers them from 1. A curve holds a point for every
// observation a study can have (the older engine stopped at 55, which left most of a large
// study undrawn while its equation used every observation).
constexpr int kCurves = 4;
constexpr int kPointsPerCurve = kMaximumObservations;

struct PlotPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// The points of one curve in the order they were added, with the marker drawn at each point
// (1 open circle, 4 open triangle) and the line style joining them (0 none, 1 dotted, 2 dashed,
// 3 solid).
struct Curve {
    int count = 0;
    std::uint8_t marker = 0;
    std::uint8_t lineStyle = 0;
    std::array<PlotPoint, kPointsPerCurve> points{};
    friend bool operator==(const Curve&, const Curve&) = default;
};

// Element i holds curve number i + 1.
using CurveSet = std::array<Curve, kCurves>;

} // namespace linealidad
