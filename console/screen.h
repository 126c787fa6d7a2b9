#pragma once
// The screen model: the truth of what the console shows. 80x25 cells, each a
// code page 437 byte and an attribute (background * 16 + foreground), plus the
// cursor and the attribute of text written next. Presenters show it; tests read it.

#include <cstdint>
#include <string>

struct Cell {
    unsigned char ch = ' ';
    unsigned char attr = 0x0F;
    bool operator==(const Cell& o) const { return ch == o.ch && attr == o.attr; }
    bool operator!=(const Cell& o) const { return !(*this == o); }
};

class ScreenModel {
public:
    static constexpr int width = 80;
    static constexpr int height = 25;

    // Writes one byte at the cursor. A line feed moves to column 0 of the next
    // row; writing past column 79 wraps. Nothing scrolls: cells below row 24
    // are not kept, and the cursor may stand there until the next move.
    void put(char c);
    void moveCursor(int x, int y);
    void setAttr(int attr) { current = static_cast<unsigned char>(attr & 0xFF); }
    // Blanks every cell in the current attribute and homes the cursor.
    void clear();

    int cursorX() const { return cx; }
    int cursorY() const { return cy; }
    int attr() const { return current; }
    const Cell& cell(int x, int y) const { return cells[y][x]; }
    unsigned char charAt(int x, int y) const { return cells[y][x].ch; }
    int attrAt(int x, int y) const { return cells[y][x].attr; }
    // The bytes of row y (80 characters, trailing blanks kept).
    std::string rowText(int y) const;
    // Position of the first occurrence of text on the screen, or false.
    bool find(const std::string& text, int& x, int& y) const;

private:
    Cell cells[height][width];
    int cx = 0;
    int cy = 0;
    unsigned char current = 0x0F;
};
