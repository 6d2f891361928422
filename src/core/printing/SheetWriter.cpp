#include "core/printing/SheetWriter.h"

namespace linealidad {

SheetWriter::SheetWriter(Header header, int bodyPoints)
    : header_(std::move(header)), bodyPoints_(bodyPoints) {
    newSheet();
}

void SheetWriter::newSheet() {
    sheets_.emplace_back();
    header_(*this);
    font(bodyPoints_);
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

void SheetWriter::rule(int line, int pixels) {
    add(SheetRule{line, pixels});
}

} // namespace linealidad
