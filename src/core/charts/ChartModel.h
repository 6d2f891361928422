#pragma once

#include "core/charts/Curve.h"
#include "core/charts/PlotTexts.h"

#include <cstdint>
#include <string>

namespace linealidad {

// Axis limits in the order the chart stores them.
struct ChartLimits {
    double XMin = 0;
    double YMin = 0;
    double XMax = 0;
    double YMax = 0;
    friend bool operator==(const ChartLimits&, const ChartLimits&) = default;
};

// What one chart shows: its curves, axis limits, labels, title and grid strength, together
// with the limits and curves every screen drawing starts from. Each chart window owns one;
// nothing here is shared between charts. Curve numbers are 1..4.
struct ChartModel {
    std::uint8_t Grid = 0; // grid strength, a line style code 0..3
    CurveSet Curves{};
    double XMin = 1.0e30; // the limits the last drawing used
    double XMax = -1.0e30;
    double YMin = 1.0e30;
    double YMax = -1.0e30;
    std::string XLabel; // empty: no label
    std::string YLabel;
    std::string Title;
    // The first header line: the company or laboratory whose chart it is.
    std::string LabName = kDefaultLabName;
    bool LimitsKnown = false; // FindLimits has run since the last ClearPlot

    // Set by FindLimits and by the options dialog's OK; every screen drawing starts from them.
    ChartLimits StoredLimits;
    // The curves as FindLimits found them, copied back at every screen drawing.
    CurveSet SavedCurves{};

    // Empties the curves, resets the limits and the grid strength and drops the message. Title
    // and labels stay, so a title typed in the options dialog lasts for the rest of the program
    // run.
    void ClearPlot();
    // Appends a point; a curve number outside 1..4 or a full curve stores nothing and reports
    // through PlotMessage.
    void AddPoint(int curve, double x, double y);
    void SetMarker(int curve, std::uint8_t marker);
    void SetLineStyle(int curve, std::uint8_t lineStyle);
    void SetXLabel(const std::string& text) { XLabel = text; }
    void SetYLabel(const std::string& text) { YLabel = text; }
    // Widens the limits to every stored point, then keeps the curves and limits as the ones
    // every screen drawing starts from.
    void FindLimits();
    // The start of a screen drawing: the saved curves and stored limits back into the model.
    void RestoreSaved();
    // The curve with the given number (1..4).
    const Curve& curve(int number) const;

    // A message for the chart's window: every screen drawing writes it at pixel (10, 10) of
    // the chart, over the chart, until the next ClearPlot. The points are added before the
    // window is shown, so a message written once would be painted over at once.
    void PlotMessage(const std::string& text);
    std::string Message; // the last message, empty: none
};

} // namespace linealidad
