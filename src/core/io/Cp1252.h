#pragma once
// Windows-1252 on disk, UTF-8 in memory.

#include <string>
#include <string_view>

namespace ludo::io {

// Every byte maps to one character; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string cp1252ToUtf8(std::string_view bytes);

// One byte per character; a character the code page cannot hold, or a
// malformed UTF-8 sequence, becomes "?".
std::string utf8ToCp1252(std::string_view utf8);

// Number of characters of a UTF-8 text (what a Windows-1252 file would store
// as bytes).
std::size_t utf8Length(std::string_view utf8);

// The first maxChars characters of a UTF-8 text.
std::string utf8Left(std::string_view utf8, std::size_t maxChars);

}  // namespace ludo::io
