#include "core/CutToWidth.h"

#include <algorithm>
#include <string_view>

namespace linealidad {
namespace {

// The byte at which the character after `at` starts (UTF-8: a lead byte and its continuation
// bytes).
std::size_t nextCharacter(std::string_view text, std::size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at = nextCharacter(text, at))
        ++count;
    return count;
}

// The bytes of the first `count` characters.
std::size_t bytesOf(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < count && at < text.size(); ++i)
        at = nextCharacter(text, at);
    return at;
}

// The narrowest advance among the narrow characters of a font: no more characters than the
// width over it can fit.
int narrowestAdvance(Canvas& canvas) {
    int narrowest = canvas.textWidth(" ");
    for (const char* narrow : {"'", "i", "l", "|", ".", "!", "j"})
        narrowest = std::min(narrowest, canvas.textWidth(narrow));
    return std::max(narrowest, 1);
}

} // namespace

std::string cutToWidth(Canvas& canvas, const std::string& text, int width) {
    if (text.size() <= kLongText && canvas.textWidth(text) <= width)
        return text;
    // Only the characters that could fit are ever measured.
    const auto most = static_cast<std::size_t>(std::max(width, 0) / narrowestAdvance(canvas)) + 1;
    const std::string_view candidate(text.data(), bytesOf(text, most));
    if (candidate.size() == text.size() && canvas.textWidth(text) <= width)
        return text;
    const auto withMark = [&](std::size_t count) {
        return std::string(candidate.substr(0, bytesOf(candidate, count))) + kCutMark;
    };
    // The longest beginning that fits with the mark, by halves: `fits` characters do (or none
    // at all), `fails` do not.
    std::size_t fits = 0;
    std::size_t fails = characters(candidate) + 1;
    while (fails - fits > 1) {
        const std::size_t middle = fits + (fails - fits) / 2;
        if (canvas.textWidth(withMark(middle)) <= width)
            fits = middle;
        else
            fails = middle;
    }
    return withMark(fits);
}

} // namespace linealidad
