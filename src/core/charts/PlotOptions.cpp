#include "core/charts/PlotOptions.h"

#include "core/text/NumberFormat.h"
#include "core/text/NumberParse.h"

namespace linealidad {

PlotOptions optionsFromChart(const ChartModel& model, char decimal) {
    PlotOptions o;
    o.TitleEdit = model.Title;
    o.XLblEdit = model.XLabel;
    o.YLblEdit = model.YLabel;
    o.XMinEdit = formatGeneral(model.XMin, 15, decimal);
    o.YMinEdit = formatGeneral(model.YMin, 15, decimal);
    o.XMaxEdit = formatGeneral(model.XMax, 15, decimal);
    o.YMaxEdit = formatGeneral(model.YMax, 15, decimal);
    o.ReferenceGroup = model.Grid;
    return o;
}

void applyOptions(ChartModel& model, const PlotOptions& options, char decimal) {
    model.Title = options.TitleEdit;
    model.XLabel = options.XLblEdit;
    model.YLabel = options.YLblEdit;
    model.StoredLimits.XMin = parseFloat(options.XMinEdit, decimal);
    model.StoredLimits.YMin = parseFloat(options.YMinEdit, decimal);
    model.StoredLimits.XMax = parseFloat(options.XMaxEdit, decimal);
    model.StoredLimits.YMax = parseFloat(options.YMaxEdit, decimal);
    // A radio group without a selection leaves the grid as it was.
    if (options.ReferenceGroup >= 0 && options.ReferenceGroup <= 3)
        model.Grid = static_cast<std::uint8_t>(options.ReferenceGroup);
}

} // namespace linealidad
