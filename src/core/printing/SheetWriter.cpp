#include "core/printing/SheetWriter.h"

#include "core/printing/PageUnits.h"

namespace linealidad {

SheetWriter::SheetWriter(Header header, int bodyPoints)
    : header_(std::move(header)), bodyPoints_(bodyPoints) {
    newSheet();
}

int SheetWriter::printableColumns() const {
    return linealidad::printableColumns(unitDpi_);
}

void SheetWriter::newSheet() {
    const bool continued = !sheets_.empty();
    sheets_.emplace_back();
    header_(*this);
    font(bodyPoints_);
    if (continued && continuation_)
        continuation_(*this);
}

void SheetWriter::font(int points) {
    add(SheetFont{points});
}

void SheetWriter::text(int line, int column, std::string text) {
    add(SheetText{line, Placement::Column, column, std::move(text)});
}

void SheetWriter::centred(int line, std::string text) {
    add(SheetText{line, Placement::Centred, 0, std::move(text)});
}

void SheetWriter::rightAligned(int line, std::string text) {
    add(SheetText{line, Placement::RightAligned, 0, std::move(text)});
}

void SheetWriter::paragraph(int line, int column, int lastLine, std::string text) {
    add(SheetParagraph{line, column, lastLine, std::move(text)});
}

void SheetWriter::rule(int line, int pixels) {
    add(SheetRule{line, pixels});
}

std::vector<Sheet> SheetWriter::sheets() && {
    for (Sheet& sheet : sheets_)
        sheet.unitDpi = unitDpi_;
    return std::move(sheets_);
}

} // namespace linealidad
