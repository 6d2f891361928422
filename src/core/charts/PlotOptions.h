#pragma once

#include "core/charts/ChartModel.h"

#include <string>

namespace linealidad {

// What the chart options dialog shows and returns, named after its controls: the texts of its
// edits and the selected grid strength.
struct PlotOptions {
    std::string TitleEdit;
    std::string XLblEdit;
    std::string YLblEdit;
    std::string XMinEdit;
    std::string YMinEdit;
    std::string XMaxEdit;
    std::string YMaxEdit;
    int ReferenceGroup = 0; // index of "Ninguno", "Ligero", "Medio", "Fuerte"
};

// The dialog's contents for a chart: its title and labels, and the limits of its last drawing
// (after the axis rounding) in general format of 15 digits.
PlotOptions optionsFromChart(const ChartModel& model, char decimal = '.');

// The dialog's OK: title and labels, then the four limits into the stored limits in the order
// X min., Y min., X max., Y max., then the grid strength. A limit text that is not a number
// throws ConversionError there, leaving what was copied before it and nothing after. The
// caller redraws the chart.
void applyOptions(ChartModel& model, const PlotOptions& options, char decimal = '.');

} // namespace linealidad
