#pragma once
// A map's picture rows as the cells they become on screen, for the checks
// that need more than the 80 x 25 screen can hold (rows wider than a line,
// the colour in force after the last row).

#include <vector>

#include "console/array.h"
#include "console/text.h"

namespace maptools {

struct Cell {
    unsigned char ch = ' ';
    int attr = 0x07;
};

// The rows as screen cells after the colour escapes, starting in the colour
// the exploration loop sets (dark grey on black). Colours carry over from row
// to row, as when the game draws them.
std::vector<std::vector<Cell>> renderRows(const Array<String>& rows, int startAttr = 0x08);
// The colour in force after the rows have been drawn.
int finalAttr(const Array<String>& rows, int startAttr);

}  // namespace maptools
