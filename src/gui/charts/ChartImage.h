#pragma once

#include "core/charts/Plot.h"
#include "gui/common/ArchivalPdf.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace linealidad {

// A chart drawn as its window draws it (white field, outline, chart), into the bytes of an
// image or document file of `size` pixels at the screen's 96 pixels per inch, so the texts
// stand where the window has them. `title` names the SVG drawing; the PDF document is an
// archival one with `metadata`.
QByteArray chartPng(Plot& plot, const Study& study, QSize size, char decimal);
QByteArray chartPdf(Plot& plot, const Study& study, QSize size, const PdfMetadata& metadata,
                    char decimal);
QByteArray chartSvg(Plot& plot, const Study& study, QSize size, const QString& title, char decimal);

} // namespace linealidad
