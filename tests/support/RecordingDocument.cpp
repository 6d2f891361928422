#include "support/RecordingDocument.h"

namespace linealidad::test {
namespace {

// The elements of `all` from page `page` on, up to the next page's first.
template <typename T>
std::vector<T> ofPage(const std::vector<T>& all, const std::vector<std::size_t>& starts, int page) {
    const auto p = static_cast<std::size_t>(page);
    const std::size_t end = p + 1 < starts.size() ? starts[p + 1] : all.size();
    return std::vector<T>(all.begin() + static_cast<std::ptrdiff_t>(starts.at(p)),
                          all.begin() + static_cast<std::ptrdiff_t>(end));
}

} // namespace

std::vector<RecordingCanvas::Text> RecordingDocument::texts(int page) const {
    return ofPage(canvas.texts, textStarts_, page);
}

std::vector<RecordingCanvas::Line> RecordingDocument::lines(int page) const {
    return ofPage(canvas.lines, lineStarts_, page);
}

void RecordingDocument::startPage() {
    textStarts_.push_back(canvas.texts.size());
    lineStarts_.push_back(canvas.lines.size());
}

Canvas& RecordingDocument::BeginDoc() {
    calls.emplace_back("BeginDoc");
    startPage();
    return canvas;
}

void RecordingDocument::NewPage() {
    calls.emplace_back("NewPage");
    startPage();
}

void RecordingDocument::EndDoc() {
    calls.emplace_back("EndDoc");
}

} // namespace linealidad::test
