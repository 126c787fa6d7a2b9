#pragma once
// Character: one figure on a map (the player, and every enemy): its tile
// position, how it is drawn, and its fighting values. The setters store what
// they are given; only the colour is kept within the console's 16 colours.

class Character {
public:
    Character() = default;
    Character(int x, int y);

    int getX() const { return x; }
    void setX(int value) { x = value; }
    int getY() const { return y; }
    void setY(int value) { y = value; }
    void setGlyph(char value) { glyph = value; }
    // Colours outside 0 to 15 become 15 (white).
    void setColor(int c);

    int getHp() const { return hp; }
    void setHp(int value) { hp = value; }  // no clamping: hit points may go below 0
    int getMaxHp() const { return maxHp; }
    void setMaxHp(int value) { maxHp = value; }
    int getStrength() const { return strength; }
    void setStrength(int value) { strength = value; }
    int getAccuracy() const { return accuracy; }
    void setAccuracy(int value) { accuracy = value; }

private:
    int x = 1;
    int y = 1;
    char glyph = 2;  // the smiling face of code page 437
    int color = 14;  // yellow
    int hp = 100;
    int maxHp = 100;
    int strength = 10;
    int accuracy = 10;
};
