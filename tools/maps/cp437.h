#pragma once
// Code page 437, the console's character set, and UTF-8, the text of the map
// sources. Map sources are drawn with the real glyphs (box drawing, shades,
// blocks); the compiler turns each glyph into its one console byte.

#include <string>

namespace maptools {

// The glyph of a console byte as UTF-8 (byte 2 gives ☻, 176 ░, 205 ═).
// Bytes 0 and 255 give a blank.
const std::string& cp437ToUtf8(unsigned char byte);

// The console byte of one Unicode code point, or -1 when code page 437 has none.
int unicodeToCp437(char32_t codePoint);

// Splits UTF-8 text into code points. False (with the byte offset of the fault
// in badOffset) when the text is not valid UTF-8.
bool decodeUtf8(const std::string& text, std::u32string& out, std::size_t& badOffset);

// Shows console bytes as UTF-8 text.
std::string bytesToUtf8(const std::string& bytes);

}  // namespace maptools
