#include "core/stats/TablaT.h"

#include "core/text/Errors.h"

#include <array>

namespace linealidad {
namespace {

struct Segment {
    int from;
    double t;
};

// Each entry holds from its first degree of freedom up to the next entry's. The values are
// the table's own, not computed: some differ in the last digit from a computed table.
constexpr std::array<Segment, 44> kSegments{{
    {1, 12.706},   {2, 4.3027},   {3, 3.1825},  {4, 2.7764},   {5, 2.5706},   {6, 2.4469},
    {7, 2.3646},   {8, 2.306},    {9, 2.2622},  {10, 2.2281},  {11, 2.201},   {12, 2.1788},
    {13, 2.1604},  {14, 2.1448},  {15, 2.1315}, {16, 2.1199},  {17, 2.1098},  {18, 2.1009},
    {19, 2.093},   {20, 2.086},   {21, 2.0796}, {22, 2.0739},  {23, 2.0687},  {24, 2.0639},
    {25, 2.059},   {26, 2.0555},  {27, 2.0518}, {28, 2.0484},  {29, 2.0452},  {30, 2.0423},
    {35, 2.0301},  {40, 2.0211},  {45, 2.0141}, {50, 2.0086},  {60, 2.0003},  {70, 1.9945},
    {80, 1.9901},  {90, 1.9867},  {100, 1.984}, {120, 1.9799}, {140, 1.9771}, {160, 1.9749},
    {180, 1.9733}, {200, 1.9719},
}};

constexpr int kLast = 324;

} // namespace

double TablaT(int degreesOfFreedom) {
    if (degreesOfFreedom < 1 || degreesOfFreedom > kLast)
        throw ArithmeticError::invalidOperation();
    double t = kSegments.front().t;
    for (const Segment& segment : kSegments)
        if (segment.from <= degreesOfFreedom)
            t = segment.t;
    return t;
}

} // namespace linealidad
