#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace linealidad {

// Character-set conversions for the files the program reads and writes. In memory every text is
// UTF-8; study files written by earlier versions, and most written now, are Windows-1252.

// The byte-order mark some programs put at the start of a UTF-8 file.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether a byte of UTF-8 text continues the character before it rather than starting one.
constexpr bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The text of a file the program reads (a study file, a table), in UTF-8: valid UTF-8 is taken
// as it is, without a byte-order mark; anything else is Windows-1252.
std::string fileText(const std::string& bytes);

// True when `bytes` is well-formed UTF-8: shortest forms only, no surrogates, nothing beyond
// U+10FFFF. Plain ASCII is valid UTF-8.
bool isValidUtf8(std::string_view bytes);

// Every byte as its Windows-1252 character. The five bytes that code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so that
// they come back as the same bytes.
std::string windows1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text, or nothing when some character has no byte there
// (or the text is not valid UTF-8).
std::optional<std::string> utf8ToWindows1252(std::string_view text);

} // namespace linealidad
