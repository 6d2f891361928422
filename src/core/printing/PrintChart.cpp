#include "core/printing/PrintChart.h"

#include "core/printing/SheetFooter.h"

namespace linealidad {

void printChart(PrintDocument& document, Plot& plot, const Study& study, char decimal,
                const PrintStamp& stamp) {
    Canvas& canvas = document.BeginDoc();
    const int chartHeight = canvas.height() - footerRoom(canvas);
    plot.PrintPlot(canvas, canvas.width(), chartHeight, study, decimal);
    drawFooter(canvas, stamp, 1, 1);
    document.EndDoc();
}

} // namespace linealidad
