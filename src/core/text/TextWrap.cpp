#include "core/text/TextWrap.h"

#include "core/text/Encoding.h"

#include <algorithm>
#include <sstream>

namespace linealidad {
namespace {

// No line of a printable width holds this many bytes in a readable type: what lies beyond
// them is never shown, and measuring it would only cost time on a text of a megabyte.
constexpr std::size_t kBytesPerLine = 512;

// The start of the UTF-8 character that holds byte `i`.
std::size_t characterStart(const std::string& text, std::size_t i) {
    while (i > 0 && i < text.size() && isUtf8Continuation(text[i]))
        --i;
    return i;
}

// The byte offset just past each character of `text`, in order.
std::vector<std::size_t> characterEnds(const std::string& text) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || !isUtf8Continuation(text[i]))
            ends.push_back(i);
    return ends;
}

// The number of leading characters of `text` whose prefix (with `suffix`) fits `width`.
std::size_t fittingCharacters(const std::string& text, const std::vector<std::size_t>& ends,
                              int width, const std::string& suffix, const MeasureText& measure) {
    std::size_t low = 0, high = ends.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (measure(text.substr(0, ends[middle - 1]) + suffix) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; std::getline(in, word, ' ');)
        if (!word.empty())
            words.push_back(word);
    return words;
}

// Breaks `word`, wider than `width`, into pieces that fit, each at least one character; no
// more than `most` of them.
std::vector<std::string> broken(const std::string& word, int width, std::size_t most,
                                const MeasureText& measure) {
    std::vector<std::string> pieces;
    std::string rest = word;
    while (!rest.empty() && pieces.size() < most) {
        // A piece is never longer than a line can be.
        const std::vector<std::size_t> ends = characterEnds(
            rest.substr(0, characterStart(rest, std::min(rest.size(), kBytesPerLine))));
        const std::size_t count =
            std::max<std::size_t>(1, fittingCharacters(rest, ends, width, {}, measure));
        pieces.push_back(rest.substr(0, ends[count - 1]));
        rest.erase(0, ends[count - 1]);
    }
    return pieces;
}

// The longest beginning of `text` that fits `width` with "…" after it, and the "…".
std::string withEllipsis(const std::string& text, int width, const MeasureText& measure) {
    const std::vector<std::size_t> ends = characterEnds(text);
    const std::size_t count = fittingCharacters(text, ends, width, kCutMark, measure);
    return (count == 0 ? std::string() : text.substr(0, ends[count - 1])) + kCutMark;
}

} // namespace

std::string cutToWidth(const std::string& text, int width, const MeasureText& measure) {
    if (text.size() <= kBytesPerLine && measure(text) <= width)
        return text;
    return withEllipsis(text.substr(0, characterStart(text, std::min(text.size(), kBytesPerLine))),
                        width, measure);
}

std::vector<std::string> wrapText(const std::string& text, int width, int maxLines,
                                  const MeasureText& measure) {
    const std::size_t limit = kBytesPerLine * static_cast<std::size_t>(std::max(1, maxLines));
    const bool longer = text.size() > limit;
    const std::string shown = longer ? text.substr(0, characterStart(text, limit)) : text;
    if (!longer && measure(shown) <= width)
        return {shown};

    std::vector<std::string> lines;
    std::string line;
    auto add = [&](const std::string& piece) {
        if (!line.empty() && measure(line + ' ' + piece) <= width) {
            line += ' ' + piece;
            return;
        }
        if (!line.empty())
            lines.push_back(line);
        line = piece;
    };
    const auto kept = static_cast<std::size_t>(std::max(1, maxLines));
    // Words go on until there is one line more than those shown: it says the text goes on.
    for (const std::string& word : wordsOf(shown)) {
        if (lines.size() > kept)
            break;
        if (measure(word) <= width)
            add(word);
        else
            for (const std::string& piece : broken(word, width, kept + 1, measure))
                add(piece);
    }
    if (!line.empty())
        lines.push_back(line);

    if (lines.empty() || (lines.size() <= kept && !longer))
        return lines;
    // The last line shown takes what follows it too, and is cut with "…".
    std::string rest = lines[std::min(lines.size(), kept) - 1];
    for (std::size_t i = kept; i < lines.size(); ++i)
        rest += ' ' + lines[i];
    lines.resize(std::min(lines.size(), kept));
    lines.back() = withEllipsis(rest, width, measure);
    return lines;
}

} // namespace linealidad
