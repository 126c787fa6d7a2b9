#pragma once
// A figure on a map: the player, and through Enemy every enemy. It stands on
// a tile, is drawn as one glyph in one colour, and carries its fighting values.
// Moves go tile by tile over the map's collision layer and answer with the
// text of the link tile ahead, which is how the game notices doors and exits.

#include <cstdint>
#include <ostream>

#include "console/text.h"
#include "model/map.h"

// The most strength or accuracy, and the most hit points, a figure reaches:
// purchases stop raising them there, and a save beyond them is damaged. Play
// stays far below (each purchase adds 1 or 10).
constexpr int mostSkill = 1000000;
constexpr int mostHitPoints = 10000000;

class Character {
public:
    Character() = default;
    Character(int x, int y);

    int getX() const { return x; }
    void setX(int newX) { x = newX; }
    int getY() const { return y; }
    void setY(int newY) { y = newY; }
    char getGlyph() const { return glyph; }
    void setGlyph(char g) { glyph = g; }
    int getColor() const { return color; }
    // A colour outside 0-15 becomes 15 (white).
    void setColor(int c);
    int getHp() const { return hp; }
    void setHp(int value) { hp = value; }
    int getMaxHp() const { return maxHp; }
    void setMaxHp(int value) { maxHp = value; }
    int getStrength() const { return strength; }
    void setStrength(int value) { strength = value; }
    int getAccuracy() const { return accuracy; }
    void setAccuracy(int value) { accuracy = value; }

    // One step onto floor. The answer is the link one tile further on after a
    // step, or the link of the tile bumped into, so a link tile answers both
    // when the figure arrives before it and each time it pushes against it.
    String moveLeft(const Map& map) { return step(map, -1, 0); }
    String moveRight(const Map& map) { return step(map, 1, 0); }
    String moveUp(const Map& map) { return step(map, 0, -1); }
    String moveDown(const Map& map) { return step(map, 0, 1); }
    // A jump to (toX, toY) when it lies below the map's width and height:
    // onto floor it moves, and the answer is that tile's link (a link tile is
    // never stood on). Outside those bounds nothing happens and "" comes back.
    String moveTo(const Map& map, int toX, int toY);

private:
    String step(const Map& map, int dx, int dy);

    int x = 1;
    int y = 1;
    char glyph = 2;
    int color = 14;
    int hp = 100;
    int maxHp = 100;
    int strength = 10;
    int accuracy = 10;
};

// Hit points after a blow of damage, stopping at the lowest value an int
// holds instead of wrapping.
int hitPointsAfter(int hp, std::int64_t damage);

// Draws the figure's glyph at its tile in its colour on black; the cursor
// stays behind the glyph and the colour stays set.
std::ostream& drawCharacter(std::ostream& out, const Character& c);
