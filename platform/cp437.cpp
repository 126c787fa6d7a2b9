#include "platform/cp437.h"

namespace {

// Glyphs of bytes 0-31: the faces, suits, notes and arrows of the IBM PC.
const char* const lowGlyphs[32] = {
    " ", "☺", "☻", "♥", "♦", "♣", "♠", "•", "◘", "○", "◙", "♂", "♀", "♪", "♫", "☼",
    "►", "◄", "↕", "‼", "¶", "§", "▬", "↨", "↑", "↓", "→", "←", "∟", "↔", "▲", "▼",
};

// Glyphs of bytes 128-255: accented letters, box drawing, blocks, Greek and
// maths. The no-break space (255) is shown as a plain blank.
// clang-format off
const char* const highGlyphs[128] = {
    "Ç", "ü", "é", "â", "ä", "à", "å", "ç", "ê", "ë", "è", "ï", "î", "ì", "Ä", "Å",
    "É", "æ", "Æ", "ô", "ö", "ò", "û", "ù", "ÿ", "Ö", "Ü", "¢", "£", "¥", "₧", "ƒ",
    "á", "í", "ó", "ú", "ñ", "Ñ", "ª", "º", "¿", "⌐", "¬", "½", "¼", "¡", "«", "»",
    "░", "▒", "▓", "│", "┤", "╡", "╢", "╖", "╕", "╣", "║", "╗", "╝", "╜", "╛", "┐",
    "└", "┴", "┬", "├", "─", "┼", "╞", "╟", "╚", "╔", "╩", "╦", "╠", "═", "╬", "╧",
    "╨", "╤", "╥", "╙", "╘", "╒", "╓", "╫", "╪", "┘", "┌", "█", "▄", "▌", "▐", "▀",
    "α", "ß", "Γ", "π", "Σ", "σ", "µ", "τ", "Φ", "Θ", "Ω", "δ", "∞", "φ", "ε", "∩",
    "≡", "±", "≥", "≤", "⌠", "⌡", "÷", "≈", "°", "∙", "·", "√", "ⁿ", "²", "■", " ",
};
// clang-format on

// Every printable ASCII byte, 32-126, then the blank that stands in for 127.
const char printable[] =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";

// ASCII stand-ins, row by row in the order of the glyph tables above.
const char lowAscii[] = " @@v***.#o#mfdd*><|!PS-|^v><L-^v";
const char* const highAscii[8] = {
    "CueaaaaceeeiiiAA",  // 80 accented letters
    "EaAooouuyOUcLYPf",  // 90
    "aiounNao?--%%!<>",  // A0
    ":%#|++++++|+++++",  // B0 shades, then single and double lines
    "++++-++++++++=++",  // C0
    "+++++++++++#####",  // D0 corners, then the blocks
    "aBGpSsutFTOd8fen",  // E0 Greek and maths
    "=+><||/~o..vn2# ",  // F0
};

}  // namespace

std::string_view cp437Utf8(unsigned char b) {
    if (b < 0x20) return lowGlyphs[b];
    if (b == 0x7F) return "⌂";
    if (b >= 0x80) return highGlyphs[b - 0x80];
    return std::string_view(printable + (b - 0x20), 1);
}

char cp437Ascii(unsigned char b) {
    if (b < 0x20) return lowAscii[b];
    if (b == 0x7F) return '^';
    if (b >= 0x80) return highAscii[(b - 0x80) / 16][(b - 0x80) % 16];
    return static_cast<char>(b);
}
