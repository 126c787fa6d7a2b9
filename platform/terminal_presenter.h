#pragma once
// Shows the screen model on a terminal. A pure class: it keeps a copy of what
// the terminal shows and turns the model into the bytes of one frame, which
// bring the terminal up to date. Only cells that differ are sent, colours only
// when they change, and the cursor is moved only where the next cell does not
// follow the last one written. A frame with nothing to change is empty.

#include <string>

#include "console/screen.h"

class TerminalPresenter {
public:
    explicit TerminalPresenter(bool useUtf8 = true) : utf8(useUtf8) {}

    // The bytes of the next frame; the copy then matches the model.
    std::string frame(const ScreenModel& model);
    // The terminal's contents are unknown (resized, resumed, just entered):
    // the next frame clears the terminal and sends every cell.
    void invalidate() { valid = false; }

    // The ANSI SGR parameters of a console colour (0-15) as foreground or background.
    static int ansiForeground(int colour);
    static int ansiBackground(int colour);

private:
    void moveTo(std::string& out, int x, int y);
    void setAttr(std::string& out, int attr);
    void putGlyph(std::string& out, unsigned char ch);

    Cell shown[ScreenModel::height][ScreenModel::width];
    bool valid = false;
    bool utf8;
    int cursorX = -1;  // where the terminal's cursor stands; -1 unknown
    int cursorY = -1;
    int attr = -1;  // the colours in force on the terminal; -1 unknown
};
