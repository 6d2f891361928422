#include "core/charts/NiceScale.h"

#include "core/stats/CheckedArithmetic.h"

#include <cmath>

namespace linealidad {

using arithmetic::checked;

double nearest(double value) {
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

double powerOfTen(int k) {
    double p = 1.0;
    for (int i = 0; i < k; ++i)
        p *= 10;
    for (int i = 0; i > k; --i)
        p /= 10;
    return p;
}

namespace {

// A tenth of the range, truncated to its decimal exponent: 1, 2 or 5 units of that power, or
// half a unit when the range is below a tenth of it.
double stepFor(double min, double max) {
    const double d = checked(checked(max - min) / 10);
    const int e = d > 0 ? static_cast<int>(std::trunc(std::log10(d))) : 0;
    double s = nearest(d * powerOfTen(-e));
    if (s == 0)
        s = 0.5;
    else if (s >= 2 && s <= 3.5)
        s = 2;
    else if (s > 3.5)
        s = 5;
    return s * powerOfTen(e);
}

// The multiple of the step at or below `min`; a minimum that is an odd multiple of the step
// gets one step more below it.
double lowerFor(double min, double step) {
    const double quotient = checked(min / step);
    double lower = checked(nearest(quotient + 0.5) * step);
    if (lower > min)
        lower = checked(nearest(quotient - 0.5) * step);
    return lower;
}

} // namespace

AxisScale NiceScale(double& min, double& max) {
    const double step = stepFor(min, max);
    const double lower = lowerFor(min, step);
    double upper = lower + step;
    // A step too small to move `upper` (limits a few units of the last digit apart) or one
    // that runs the wrong way (a minimum typed above the maximum) could never reach the
    // maximum: the axis stops where it is.
    while (upper < max && upper + step > upper)
        upper += step;
    min = lower;
    max = upper;
    return AxisScale{lower, step};
}

std::vector<double> axisTicks(const AxisScale& scale, double upper) {
    std::vector<double> ticks{scale.firstTick};
    for (double t = scale.firstTick;;) {
        const double next = t + scale.step;
        if (!(next > t) || !(next <= upper + scale.step / 5))
            break;
        t = next;
        ticks.push_back(t);
    }
    return ticks;
}

} // namespace linealidad
