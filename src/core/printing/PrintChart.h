#pragma once

#include "core/charts/Plot.h"
#include "core/printing/PrintDocument.h"
#include "core/printing/PrintStamp.h"
#include "core/study/Study.h"

namespace linealidad {

// A chart's print-out as a document of one page: the chart across the page, above the footer
// that says where its figures came from. The document's canvas is a landscape page.
void printChart(PrintDocument& document, Plot& plot, const Study& study, char decimal,
                const PrintStamp& stamp);

} // namespace linealidad
