#pragma once
// Code page 437, the character set the game draws with, as a terminal shows
// it: every byte has a glyph (byte 2 is the smiling face, 176-178 the shades,
// 196 a line of the box drawing set). Control codes are never sent raw.

#include <string_view>

// The UTF-8 bytes of the glyph of code page 437 byte b. Byte 0 and byte 255
// (a no-break space) show as a blank.
std::string_view cp437Utf8(unsigned char b);

// A printable ASCII stand-in for terminals that do not speak UTF-8.
char cp437Ascii(unsigned char b);
