#include "support/PlacedTexts.h"

#include <QtTest>

namespace linealidad::test {
namespace {

QString line(int y, int x, const std::string& text) {
    return QStringLiteral("%1 %2 %3").arg(y).arg(x).arg(QString::fromStdString(text));
}

constexpr int kL = 100;
// The footer's 6 points at 600 dpi.
constexpr int kFooterHeight = 50;

} // namespace

PrintStamp testStamp() {
    PrintStamp stamp = PrintStamp::forStudy(SavedStudyFile{
        "estudio.w02", "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08"});
    stamp.version = "3.1";
    stamp.printedAt = "2026-12-08 10:30";
    stamp.user = "analista";
    return stamp;
}

QStringList placed(const std::vector<RecordingCanvas::Text>& texts) {
    QStringList lines;
    for (const auto& t : texts)
        lines << line(t.y, t.x, t.text);
    return lines;
}

ExpectedTexts& ExpectedTexts::font(int points) {
    // The character heights at 600 dpi: points · 600 / 72, rounded.
    switch (points) {
    case 12:
        height_ = 100;
        break;
    case 11:
        height_ = 92;
        break;
    case 10:
        height_ = 83;
        break;
    case 6:
        height_ = kFooterHeight;
        break;
    default:
        qFatal("no height for %d points", points);
    }
    return *this;
}

int ExpectedTexts::textWidth(const std::string& text) const {
    return RecordingCanvas::codePoints(text) * height_ / 2;
}

ExpectedTexts& ExpectedTexts::at(int y, int column, const std::string& text) {
    lines << line(y * kL, column * unit_, text);
    return *this;
}

ExpectedTexts& ExpectedTexts::centred(int y, const std::string& text) {
    lines << line(y * kL, (width_ - textWidth(text)) / 2, text);
    return *this;
}

ExpectedTexts& ExpectedTexts::right(int y, const std::string& text) {
    lines << line(y * kL, width_ - textWidth(text), text);
    return *this;
}

ExpectedTexts& ExpectedTexts::footer(int page, int pages) {
    const std::string text = footerText(testStamp(), page, pages);
    font(6);
    lines << line(pageHeight_ - kFooterHeight, (width_ - textWidth(text)) / 2, text);
    return *this;
}

} // namespace linealidad::test
