#include "core/stats/WeightedLines.h"

#include <cmath>

namespace linealidad {
namespace {

// The weight of each observation, or why this weighting does not apply.
Applicable<std::vector<double>> weights(Weighting w, const OffsetObservations& data) {
    const bool onX = w == Weighting::InverseX || w == Weighting::InverseX2;
    const double power = w == Weighting::InverseX2 || w == Weighting::InverseY2 ? 2 : 1;
    std::vector<double> result;
    for (std::size_t j = 0; j < data.u().size(); ++j) {
        if (w == Weighting::One) {
            result.push_back(1);
            continue;
        }
        const double value = onX ? data.x0() + data.u()[j] : data.y0() + data.v()[j];
        if (value <= 0)
            return NotApplicable{onX ? "hay X ≤ 0" : "hay Y ≤ 0"};
        result.push_back(1 / std::pow(value, power));
    }
    return result;
}

Applicable<WeightedLine> line(const std::vector<double>& w, const OffsetObservations& data) {
    const std::vector<double>& u = data.u();
    const std::vector<double>& v = data.v();
    double total = 0, uSum = 0, vSum = 0;
    for (std::size_t j = 0; j < w.size(); ++j) {
        total += w[j];
        uSum += w[j] * u[j];
        vSum += w[j] * v[j];
    }
    const double uMean = uSum / total;
    const double vMean = vSum / total;
    double Suu = 0, Suv = 0;
    for (std::size_t j = 0; j < w.size(); ++j) {
        Suu += w[j] * (u[j] - uMean) * (u[j] - uMean);
        Suv += w[j] * (u[j] - uMean) * (v[j] - vMean);
    }
    WeightedLine l;
    l.slope = Suv / Suu;
    if (l.slope == 0)
        return NotApplicable{"la pendiente es cero"};
    l.intercept = (data.y0() + vMean) - l.slope * (data.x0() + uMean);
    for (std::size_t j = 0; j < w.size(); ++j) {
        const double x = data.x0() + u[j];
        if (x != 0)
            l.relativeErrorSum += std::fabs(100 * ((uMean - u[j]) + (v[j] - vMean) / l.slope) / x);
    }
    if (!std::isfinite(l.slope) || !std::isfinite(l.intercept) ||
        !std::isfinite(l.relativeErrorSum))
        return NotApplicable{"no se puede calcular"};
    return l;
}

} // namespace

std::string weightingName(Weighting w) {
    switch (w) {
    case Weighting::One:
        return "1";
    case Weighting::InverseX:
        return "1/x";
    case Weighting::InverseX2:
        return "1/x^2";
    case Weighting::InverseY:
        return "1/y";
    case Weighting::InverseY2:
        return "1/y^2";
    }
    return {};
}

WeightedLines weightedLines(const OffsetObservations& data) {
    WeightedLines result;
    double smallest = 0;
    for (std::size_t i = 0; i < kWeightings.size(); ++i) {
        const auto w = weights(kWeightings[i], data);
        if (const auto* why = std::get_if<NotApplicable>(&w)) {
            result.lines[i] = *why;
            continue;
        }
        result.lines[i] = line(std::get<std::vector<double>>(w), data);
        if (const WeightedLine* l = valueOf(result.lines[i]);
            l && (!result.suggested || l->relativeErrorSum < smallest)) {
            result.suggested = kWeightings[i];
            smallest = l->relativeErrorSum;
        }
    }
    return result;
}

} // namespace linealidad
