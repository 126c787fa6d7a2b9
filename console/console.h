#pragma once
// The console operations every screen of the game draws and reads keys with.

#include <ostream>

#include "console/array.h"
#include "console/keys.h"
#include "console/text.h"

// Colour of the text written from now on: background first, then foreground (0-15).
void setColor(int background, int foreground);
void gotoXY(int x, int y);
// Blanks the screen in the current colour and homes the cursor.
void clearScreen();
// Key up: false at once. Key down: with noWait true, true at once; with
// noWait false, true only after the key has been released.
bool keyPressed(int virtualKey, bool noWait);
// While one lives, the first screen cleared is one the player walked into (a
// door, a counter, a fight): the arrow presses of its first walkInGraceMs are
// dropped, so an arrow tapped once too often on the way in never moves a
// highlight before anyone could read the screen.
class WalkingInto {
public:
    static constexpr int walkInGraceMs = 200;
    WalkingInto();
    ~WalkingInto();
    WalkingInto(const WalkingInto&) = delete;
    WalkingInto& operator=(const WalkingInto&) = delete;
};
// Waits (sleeping) until at least ms milliseconds have passed.
void delayMs(int ms);
// '0'-'9', 'a'-'f', 'A'-'F' give their value; everything else 0.
int hexDigitValue(char c);
// Fades the null-terminated list of plain lines in and out at the top-left
// corner. True when the skip key ended it early.
bool fadeText(const char* const* lines, int holdMs, int stepMs, int skipKey);
// Writes the lines as a rectangle whose left edge is the cursor's column.
std::ostream& printBlock(std::ostream& out, const Array<String>& lines);
// Waits until Enter has been pressed and released (the game's silent prompt).
void waitForEnter();
