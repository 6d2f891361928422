#pragma once

#include "core/stats/Observations.h"

#include <vector>

namespace linealidad {

// The observations of the levels measured from a reference observation (the study's first),
// so that values far from zero keep their digits in means and differences: u = x - x0,
// v = y - y0. Values written with a few digits near x0 and y0 are exact in these units.
class OffsetObservations {
public:
    explicit OffsetObservations(const std::vector<Level>& levels);

    double x0() const { return x0_; }
    double y0() const { return y0_; }
    // Every observation, in level order.
    const std::vector<double>& u() const { return u_; }
    const std::vector<double>& v() const { return v_; }
    // The means of u and v over the study.
    double uMean() const { return uMean_; }
    double vMean() const { return vMean_; }

private:
    double x0_ = 0, y0_ = 0;
    std::vector<double> u_, v_;
    double uMean_ = 0, vMean_ = 0;
};

// The mean of `values`; 0 for none.
double mean(const std::vector<double>& values);

} // namespace linealidad
