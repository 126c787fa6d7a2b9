#pragma once
// Shows the screen model through the Windows console's cell-writing call. A
// pure class: it keeps a copy of what the console shows and hands out the
// smallest rectangle that holds every changed cell, each cell a UTF-16 glyph
// of code page 437 and the model's own attribute (background * 16 +
// foreground is the console's colour model too). The console host writes the
// rectangle in one call, so a frame never flickers and nothing unchanged is
// written.

#include <cstdint>
#include <string>
#include <vector>

#include "console/screen.h"

struct ConsoleCell {
    char16_t glyph = u' ';
    std::uint16_t attr = 0x0F;
};

// A rectangle of cells, row by row; empty when nothing changed.
struct CellPatch {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive corners
    std::vector<ConsoleCell> cells;
    bool empty() const { return cells.empty(); }
    int width() const { return right - left + 1; }
};

class WindowsCells {
public:
    // The cells of the next frame; the copy then matches the model.
    CellPatch frame(const ScreenModel& model);
    // The console's contents are unknown (resized, just entered): the next
    // frame holds every cell.
    void invalidate() { valid = false; }

    // A window of columns x rows, blank but for the lines centred in it (the
    // request for room while the window is smaller than the game).
    static CellPatch centredLines(const std::vector<std::string>& lines, int columns, int rows);

    // The UTF-16 glyph of code page 437 byte b (all of them lie in the BMP).
    static char16_t glyph(unsigned char b);

private:
    Cell shown[ScreenModel::height][ScreenModel::width];
    bool valid = false;
};
