#pragma once
// A map file as the game reads it, for the checker, the story walk and the
// viewer. The reader follows the game's reading rules to the letter (a line
// break left after a number is skipped, a section ends only at its exact
// terminator or the end of the file) so that what is checked is what loads.

#include <string>
#include <vector>

namespace maptools {

struct Target {
    int x = 0;
    int y = 0;
};

struct Cell {
    unsigned char ch = ' ';
    int attr = 0x07;
};

struct GameMap {
    std::string file;  // the file it was read from, for messages
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::string> lines;
    std::vector<std::string> collision;
    std::vector<std::string> links;
    std::vector<Target> targets;

    // True when (x, y) lies inside the collision layer as read.
    bool inLayer(int x, int y) const;
    // The collision character, or 0 outside the layer.
    char tile(int x, int y) const;
    bool isFloor(int x, int y) const { return tile(x, y) == ' '; }
    // Where the game's moveTo may put a figure: floor with x < width, y < height.
    bool isStandable(int x, int y) const;
    // The link text of a digit tile, "" otherwise (or for a digit with no entry).
    std::string linkAt(int x, int y) const;
    // The index of the first link with this text, -1 when there is none.
    int linkIndex(const std::string& text) const;
};

// Reads a map file's text. False with a message (and the map as far as it was
// read) when a number cannot be read: the game would never finish such a file.
bool parseGameMap(const std::string& text, GameMap& map, std::string& error);

// The display rows as screen cells after the colour escapes, starting in the
// colour the exploration loop sets (dark grey on black). Colours carry over
// from row to row, as when the game draws them.
std::vector<std::vector<Cell>> renderRows(const std::vector<std::string>& rows, int startAttr = 0x08);
// The colour in force after the rows have been drawn.
int finalAttr(const std::vector<std::string>& rows, int startAttr);

}  // namespace maptools
