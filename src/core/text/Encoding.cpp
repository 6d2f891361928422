#include "core/text/Encoding.h"

#include <array>

namespace linealidad {
namespace {

// The characters of bytes 0x80 to 0x9F in Windows-1252; the undefined ones keep their number.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes the character that starts at `i` and moves `i` past it; nothing when the bytes there
// are not a well-formed UTF-8 sequence.
std::optional<char32_t> nextCodePoint(std::string_view bytes, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return std::nullopt; // a stray continuation byte, an overlong lead or beyond U+10FFFF
    }
    if (i + static_cast<std::size_t>(length) > bytes.size())
        return std::nullopt;
    for (int k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
        if (!isUtf8Continuation(static_cast<char>(byte)))
            return std::nullopt;
        cp = (cp << 6) | (byte & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF)
        return std::nullopt;
    i += static_cast<std::size_t>(length);
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12)); // every Windows-1252 character is in the BMP
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<char> windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t k = 0; k < kWindows1252High.size(); ++k)
        if (kWindows1252High[k] == cp)
            return static_cast<char>(0x80 + k);
    return std::nullopt;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();)
        if (!nextCodePoint(bytes, i))
            return false;
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
    }
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto cp = nextCodePoint(text, i);
        if (!cp)
            return std::nullopt;
        const auto byte = windows1252Byte(*cp);
        if (!byte)
            return std::nullopt;
        out += *byte;
    }
    return out;
}

std::string fileText(const std::string& bytes) {
    if (!isValidUtf8(bytes))
        return windows1252ToUtf8(bytes);
    if (std::string_view(bytes).starts_with(kUtf8Mark))
        return bytes.substr(kUtf8Mark.size());
    return bytes;
}

} // namespace linealidad
