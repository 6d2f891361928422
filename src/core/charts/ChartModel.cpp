#include "core/charts/ChartModel.h"

#include <stdexcept>

namespace linealidad {
namespace {

bool validCurve(int number) {
    return number >= 1 && number <= kCurves;
}

std::size_t slot(int number) {
    return static_cast<std::size_t>(number - 1);
}

} // namespace

void ChartModel::ClearPlot() {
    Grid = 0;
    LimitsKnown = false;
    for (Curve& c : Curves) {
        c.count = 0;
        c.points.fill(PlotPoint{});
    }
    XMin = 1.0e30;
    YMin = 1.0e30;
    XMax = -1.0e30;
    YMax = -1.0e30;
    Message.clear();
}

void ChartModel::AddPoint(int curve, double x, double y) {
    if (!validCurve(curve)) {
        PlotMessage("Curva fuera de intervalo.");
        return;
    }
    Curve& c = Curves[slot(curve)];
    if (c.count >= kPointsPerCurve) {
        PlotMessage("Limite de datos excedido");
        return;
    }
    c.points[static_cast<std::size_t>(c.count)] = PlotPoint{x, y};
    ++c.count;
}

// Style codes for a curve number outside 1..4 have nowhere to go and are dropped.
void ChartModel::SetMarker(int curve, std::uint8_t marker) {
    if (validCurve(curve))
        Curves[slot(curve)].marker = marker;
}

void ChartModel::SetLineStyle(int curve, std::uint8_t lineStyle) {
    if (validCurve(curve))
        Curves[slot(curve)].lineStyle = lineStyle;
}

void ChartModel::FindLimits() {
    for (const Curve& c : Curves) {
        for (int i = 0; i < c.count; ++i) {
            const PlotPoint& p = c.points[static_cast<std::size_t>(i)];
            if (p.x < XMin)
                XMin = p.x;
            if (p.x > XMax)
                XMax = p.x;
            if (p.y < YMin)
                YMin = p.y;
            if (p.y > YMax)
                YMax = p.y;
        }
    }
    LimitsKnown = true;
    SavedCurves = Curves;
    StoredLimits = ChartLimits{XMin, YMin, XMax, YMax};
}

void ChartModel::RestoreSaved() {
    Curves = SavedCurves;
    XMin = StoredLimits.XMin;
    YMin = StoredLimits.YMin;
    XMax = StoredLimits.XMax;
    YMax = StoredLimits.YMax;
}

const Curve& ChartModel::curve(int number) const {
    if (!validCurve(number))
        throw std::out_of_range("curve number outside 1..4");
    return Curves[slot(number)];
}

void ChartModel::PlotMessage(const std::string& text) {
    Message = text;
}

} // namespace linealidad
