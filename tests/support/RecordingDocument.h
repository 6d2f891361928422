#pragma once

#include "core/printing/PrintDocument.h"
#include "support/RecordingCanvas.h"

#include <string>
#include <vector>

namespace linealidad::test {

// A print document that keeps what each page drew, on a recording canvas of a printer's
// resolution and printable area.
class RecordingDocument : public PrintDocument {
public:
    // By default A4's printable area at 600 dots per inch, within margins of a quarter inch.
    static constexpr int kDpi = 600;
    static constexpr int kWidth = 4660;
    static constexpr int kHeight = 6716;

    explicit RecordingDocument(int dpi = kDpi, int width = kWidth, int height = kHeight)
        : canvas(dpi, width, height) {}

    RecordingCanvas canvas;
    // "BeginDoc", "NewPage" and "EndDoc", in order.
    std::vector<std::string> calls;

    int pageCount() const { return static_cast<int>(textStarts_.size()); }
    std::vector<RecordingCanvas::Text> texts(int page) const;
    std::vector<RecordingCanvas::Line> lines(int page) const;

    Canvas& BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;

private:
    void startPage();

    std::vector<std::size_t> textStarts_;
    std::vector<std::size_t> lineStarts_;
};

} // namespace linealidad::test
