#pragma once

#include <vector>

namespace linealidad {

struct AxisScale {
    double firstTick = 0;
    double step = 0;
};

// Rounds an axis to a step of 1, 2 or 5 times a power of ten (or half a unit, for a range
// below a tenth of a power): `min` moves down and `max` up to multiples of the step, and the
// first tick is the new minimum. A range too wide for a double throws ArithmeticError.
AxisScale NiceScale(double& min, double& max);

// The ticks of an axis rounded by NiceScale: from the first tick by steps while they stay within
// a fifth of a step past `upper`, so accumulated error does not lose the last one. A step that
// cannot move the tick (a degenerate or reversed axis) gives the first tick alone.
std::vector<double> axisTicks(const AxisScale& scale, double upper);

// Conversion to the nearest integer with halves going to the even neighbour, as the chart
// places ticks and points.
double nearest(double value);

// 10^k formed from 1.0 by k multiplications by 10 (or -k divisions).
double powerOfTen(int k);

} // namespace linealidad
