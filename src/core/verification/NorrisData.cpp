#include "core/verification/NorrisData.h"

#include "core/text/NumberParse.h"

namespace linealidad {
namespace {

// The observations as NIST lists them, (y, x), in its order.
struct Observation {
    const char* y;
    const char* x;
};
constexpr Observation kNorris[] = {
    {"0.1", "0.2"},     {"338.8", "337.4"}, {"118.1", "118.2"}, {"888.0", "884.6"},
    {"9.2", "10.1"},    {"228.1", "226.5"}, {"668.5", "666.3"}, {"998.5", "996.3"},
    {"449.1", "448.6"}, {"778.9", "777.0"}, {"559.2", "558.2"}, {"0.3", "0.4"},
    {"0.1", "0.6"},     {"778.1", "775.5"}, {"668.8", "666.9"}, {"339.3", "338.0"},
    {"448.9", "447.5"}, {"10.8", "11.6"},   {"557.7", "556.0"}, {"228.3", "228.1"},
    {"998.0", "995.8"}, {"888.8", "887.6"}, {"119.6", "120.2"}, {"0.3", "0.3"},
    {"0.6", "0.3"},     {"557.6", "556.8"}, {"339.3", "339.1"}, {"888.0", "887.2"},
    {"998.5", "999.0"}, {"778.9", "779.0"}, {"10.2", "11.1"},   {"117.6", "118.3"},
    {"228.9", "229.2"}, {"668.4", "669.1"}, {"449.2", "448.9"}, {"0.2", "0.5"},
};

} // namespace

// The observations fall around eleven amounts: blanks (x below 1), about 10, and every
// 110 or so up to 1000, three replicates each but six blanks. A study holds ten levels at
// most, so the blanks and the amount near 10 make the lowest level, as a lab would group its
// low end; the other nine levels follow in increasing order, each in the order NIST lists it.
Study norrisStudy() {
    const double bounds[] = {12, 150, 260, 370, 480, 600, 700, 820, 950, 1100};
    std::vector<int> replicates;
    std::vector<std::string> x, y;
    double low = -1;
    for (const double high : bounds) {
        int count = 0;
        for (const Observation& o : kNorris) {
            const double value = parseFloat(o.x);
            if (value > low && value < high) {
                x.push_back(o.x);
                y.push_back(o.y);
                ++count;
            }
        }
        replicates.push_back(count);
        low = high;
    }
    return referenceStudy(replicates, x, y);
}

ReferenceDataSet norrisDataSet() {
    using enum ReferenceFigure;
    return {"Norris (NIST StRD)",
            norrisStudy(),
            {
                shownValue(Slope, norris::kSlope),
                shownValue(Intercept, norris::kIntercept),
                shownValue(ResidualDeviation, norris::kResidualStandardDeviation),
                shownValue(Determination, norris::kRSquared),
                shownValue(RegressionSumOfSquares, norris::kRegressionSumOfSquares),
                shownValue(ResidualSumOfSquares, norris::kResidualSumOfSquares),
            }};
}

} // namespace linealidad
